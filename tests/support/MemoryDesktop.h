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
// Each top-level window stands for a program with one thread: it takes what is
// posted to any of its windows in the order posted, unless it is busy. Its edit
// controls keep a text limit; a command line of any kind takes what is posted to
// it as the real one would, so that tests see what the editor executed.
class MemoryDesktop : public Desktop {
public:
    static constexpr std::size_t kDefaultTextLimit = 32767;

    WindowRef AddTopLevelWindow(const std::string& title, const std::string& className = {});
    // A child that takes whatever is posted to it and does nothing with it.
    WindowRef AddChildWindow(WindowRef parent, const std::string& className = {});
    // For Unreal 227 the display and the command box, which is returned.
    WindowRef AddCommandLine(WindowRef parent, uitest::CommandLineKind kind);
    // The editor's log window as that kind's build makes it, and its command line.
    WindowRef AddEditor(uitest::CommandLineKind kind);
    // Closes them all; what the command lines executed stays readable.
    void RemoveOutsideWindows();
    const std::vector<uitest::PostedMessage>& PostedMessages() const { return m_posted; }
    std::size_t TextLimit(WindowRef window) const { return m_outside.at(window - 1).textLimit; }
    void SetTextLimit(WindowRef window, std::size_t limit) {
        m_outside.at(window - 1).textLimit = limit;
    }
    // The window's program answers nothing sent to it from now on, and takes
    // nothing posted to it.
    void StopAnswering(WindowRef window) { Program(window).answers = false; }
    // The window's program takes nothing posted to it until the clock has moved
    // that long from now; without a duration, never.
    void KeepBusy(WindowRef window, std::chrono::milliseconds duration);
    void KeepBusy(WindowRef window);
    // The window's program starts a command of its own, that long, the moment it
    // next answers what is sent to it; without a duration, one that never ends.
    void KeepBusyOnceAnswered(WindowRef window, std::chrono::milliseconds duration);
    void KeepBusyOnceAnswered(WindowRef window);

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

    WindowRef FindTopLevelWindow(const std::string& className, const std::string& title) override;
    std::vector<WindowRef> Children(WindowRef parent) override;
    std::string ClassName(WindowRef window) override;
    bool Exists(WindowRef window) override { return Find(window) != nullptr; }
    void Post(WindowRef target, const WindowMessage& message) override;
    std::optional<std::intptr_t> Send(WindowRef target, const WindowMessage& message,
                                      std::chrono::milliseconds timeout) override;
    bool WriteClipboardText(const std::string& text) override;
    std::optional<std::string> ReadClipboardText() override;
    std::chrono::milliseconds Now() override { return m_now; }
    void Pause(std::chrono::milliseconds duration) override { m_now += duration; }

private:
    // What a window does with what it is sent.
    enum class Role {
        Inert,      // takes nothing; no edit control
        PlainEdit,  // an edit box whose Enter executes its text
        Display,    // the editor's log display with its typing buffer
        Display227, // 227's display: passes characters on to the command box
        CommandBox, // 227's command box: runs its edit's text on the Enter key
        EditInABox, // the command box's own edit
    };

    struct OutsideWindow {
        std::string title;
        std::string className;
        WindowRef parent = 0;
        Role role = Role::Inert;
        bool closed = false;
        std::size_t textLimit = 0;
        // A top-level window's: its program's state and queue.
        bool answers = true;
        std::chrono::milliseconds busyUntil{0};
        std::optional<std::chrono::milliseconds> busyOnceAnswered;
        std::vector<uitest::PostedMessage> queue; // posted, not yet taken
        // An edit box's text and selection.
        std::string text;
        std::size_t selectionStart = 0;
        std::size_t selectionEnd = 0;
        uitest::EditorTypingBuffer buffer; // the display's
        std::vector<std::string> executed;
    };

    WindowRef Add(OutsideWindow window);
    // Null when there is no such window, or no longer.
    OutsideWindow* Find(WindowRef window);
    // The top-level window of the window's program.
    OutsideWindow& Program(WindowRef window);
    // The program takes what was posted to it, unless it is busy or hung.
    void Take(OutsideWindow& program);
    void Handle(WindowRef target, const uitest::PostedMessage& message);
    void HandleChar(WindowRef target, unsigned char c);
    void RunCommandBox(WindowRef box);
    void ReplaceSelection(OutsideWindow& window, std::string_view text);
    // The window, once its program can answer; null when it is gone or does not
    // answer in time, in which case the caller has waited.
    OutsideWindow* Answering(WindowRef window, std::chrono::milliseconds timeout);

    std::vector<OutsideWindow> m_outside;
    std::vector<uitest::PostedMessage> m_posted;
    std::string m_clipboard;
    std::chrono::milliseconds m_now{0};
    std::chrono::milliseconds m_clipboardHeldUntil{0};
};

} // namespace kestrow
