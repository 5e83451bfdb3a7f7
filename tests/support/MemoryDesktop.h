#pragma once

#include "link/Desktop.h"
#include "tests/support/EditorCommandLine.h"
#include "tests/support/UiDriver.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrow {

// A desktop held in memory, for tests: other programs' windows, a clipboard that
// another program may hold, and a clock that moves only while the program pauses
// or waits for an answer. Every message posted is recorded with the numbers
// Windows gives it, so that both hosts are checked against the same expectations.
// Each outside window keeps a text limit, as an edit control does; a command line
// of either kind also takes what is posted to it as the real one would, so that
// tests see what the editor executed.
class MemoryDesktop : public Desktop {
public:
    static constexpr std::size_t kDefaultTextLimit = 32767;

    WindowRef AddTopLevelWindow(const std::string& title);
    // A child that takes whatever is posted to it and does nothing with it.
    WindowRef AddChildWindow(WindowRef parent);
    WindowRef AddCommandLine(WindowRef parent, uitest::CommandLineKind kind);
    // Closes them all; what the command lines executed stays readable.
    void RemoveOutsideWindows();
    const std::vector<uitest::PostedMessage>& PostedMessages() const { return m_posted; }
    std::size_t TextLimit(WindowRef window) const { return m_outside.at(window - 1).textLimit; }
    // The window's program answers nothing sent to the window from now on, and
    // takes nothing posted to it.
    void StopAnswering(WindowRef window) { m_outside.at(window - 1).answers = false; }
    // The window's program takes nothing posted to the window until the clock
    // has moved that long from now; without a duration, never.
    void KeepBusy(WindowRef window, std::chrono::milliseconds duration);
    void KeepBusy(WindowRef window);

    // The mapper types into a command line, character by character.
    void TypeInto(WindowRef commandLine, std::string_view text);
    // What the command line has executed, and what is left typed in it, once its
    // program has taken what was posted to it.
    std::vector<std::string> Executed(WindowRef commandLine);
    std::string Typed(WindowRef commandLine);

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
        bool closed = false;
        std::optional<uitest::CommandLineKind> kind; // none: not a command line
        std::size_t textLimit = kDefaultTextLimit;
        bool answers = true;
        std::chrono::milliseconds busyUntil{0};
        std::vector<uitest::PostedMessage> queue; // posted, not yet taken
        // A plain edit box's text and selection.
        std::string text;
        std::size_t selectionStart = 0;
        std::size_t selectionEnd = 0;
        uitest::EditorTypingBuffer buffer; // the editor-like one's
        std::vector<std::string> executed;
    };

    // Null when there is no such window, or no longer.
    OutsideWindow* Find(WindowRef window);
    // The window's program takes what was posted to it, unless it is busy or hung.
    void Take(OutsideWindow& window);
    void Handle(OutsideWindow& window, const uitest::PostedMessage& message);
    void HandleChar(OutsideWindow& window, unsigned char c);
    void ReplaceSelection(OutsideWindow& window, std::string_view text);
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
