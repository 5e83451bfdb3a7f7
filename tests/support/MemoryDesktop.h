#pragma once

#include "app/Desktop.h"
#include "tests/support/UiDriver.h"

#include <chrono>
#include <string>
#include <vector>

namespace kestrow {

// A desktop held in memory, for tests: other programs' windows, a clipboard that
// another program may hold, and time that passes only while the program pauses.
// Every message posted is recorded with the numbers Windows gives it, so that
// both hosts are checked against the same expectations.
class MemoryDesktop : public Desktop {
public:
    WindowRef AddTopLevelWindow(const std::string& title);
    WindowRef AddChildWindow(WindowRef parent);
    void RemoveOutsideWindows() { m_outside.clear(); }
    const std::vector<uitest::PostedMessage>& PostedMessages() const { return m_posted; }

    std::string Clipboard() const { return m_clipboard; }
    void SetClipboard(const std::string& text) { m_clipboard = text; }
    // Another program holds the clipboard open until the program has paused for
    // that long from now; without a duration, until it is let go.
    void HoldClipboard(std::chrono::milliseconds duration);
    void HoldClipboard();
    void LetGoOfClipboard() { m_clipboardHeldUntil = m_pausedFor; }
    // How long the program has paused in all.
    std::chrono::milliseconds PausedFor() const { return m_pausedFor; }

    WindowRef FindTopLevelWindow(const std::string& title) override;
    WindowRef FirstChild(WindowRef parent) override;
    void Post(WindowRef target, EditMessage message) override;
    bool WriteClipboardText(const std::string& text) override;
    std::optional<std::string> ReadClipboardText() override;
    void Pause(std::chrono::milliseconds duration) override;

private:
    struct OutsideWindow {
        std::string title;
        WindowRef parent;
    };

    std::vector<OutsideWindow> m_outside;
    std::vector<uitest::PostedMessage> m_posted;
    std::string m_clipboard;
    std::chrono::milliseconds m_pausedFor{0};
    std::chrono::milliseconds m_clipboardHeldUntil{0};
};

} // namespace kestrow
