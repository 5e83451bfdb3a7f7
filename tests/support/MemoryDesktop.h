#pragma once

#include "link/Desktop.h"
#include "tests/support/UiDriver.h"

#include <chrono>
#include <string>
#include <vector>

namespace kestrow {

// A desktop held in memory, for tests: other programs' windows, a clipboard that
// another program may hold, and a clock that moves only while the program pauses
// or waits for an answer. Every message posted is recorded with the numbers
// Windows gives it, so that both hosts are checked against the same expectations.
// Each outside window keeps a text limit, as an edit control does.
class MemoryDesktop : public Desktop {
public:
    static constexpr std::size_t kDefaultTextLimit = 32767;

    WindowRef AddTopLevelWindow(const std::string& title);
    WindowRef AddChildWindow(WindowRef parent);
    void RemoveOutsideWindows() { m_outside.clear(); }
    const std::vector<uitest::PostedMessage>& PostedMessages() const { return m_posted; }
    std::size_t TextLimit(WindowRef window) const { return m_outside.at(window - 1).textLimit; }
    // The window's program answers nothing sent to the window from now on.
    void StopAnswering(WindowRef window) { m_outside.at(window - 1).answers = false; }
    // The window's program takes nothing posted to the window until the clock
    // has moved that long from now; without a duration, never.
    void KeepBusy(WindowRef window, std::chrono::milliseconds duration);
    void KeepBusy(WindowRef window);

    std::string Clipboard() const { return m_clipboard; }
    void SetClipboard(const std::string& text) { m_clipboard = text; }
    // Another program holds the clipboard open until the clock has moved that
    // long from now; without a duration, until it is let go.
    void HoldClipboard(std::chrono::milliseconds duration);
    void HoldClipboard();
    void LetGoOfClipboard() { m_clipboardHeldUntil = m_now; }

    WindowRef FindTopLevelWindow(const std::string& title) override;
    WindowRef FirstChild(WindowRef parent) override;
    void Post(WindowRef target, EditMessage message, std::size_t textLimit) override;
    std::optional<std::size_t> AskTextLimit(WindowRef window,
                                            std::chrono::milliseconds timeout) override;
    void SetTextLimit(WindowRef window, std::size_t limit,
                      std::chrono::milliseconds timeout) override;
    bool WriteClipboardText(const std::string& text) override;
    std::optional<std::string> ReadClipboardText() override;
    std::chrono::milliseconds Now() override { return m_now; }
    void Pause(std::chrono::milliseconds duration) override { m_now += duration; }

private:
    struct OutsideWindow {
        std::string title;
        WindowRef parent = 0;
        std::size_t textLimit = kDefaultTextLimit;
        bool answers = true;
        std::chrono::milliseconds busyUntil{0};
        std::vector<std::size_t> postedLimits; // posted, not yet taken
    };

    // The window, once it has taken what was posted to it while it was idle; null
    // when it is gone or does not answer, in which case the caller has waited.
    OutsideWindow* Answering(WindowRef window, std::chrono::milliseconds timeout);

    std::vector<OutsideWindow> m_outside;
    std::vector<uitest::PostedMessage> m_posted;
    std::string m_clipboard;
    std::chrono::milliseconds m_now{0};
    std::chrono::milliseconds m_clipboardHeldUntil{0};
};

} // namespace kestrow
