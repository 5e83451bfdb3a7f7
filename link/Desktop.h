#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kestrow {

// Another program's window (the editor's log window, its command line), opaque here.
using WindowRef = std::uintptr_t;

// What delivery asks of an edit control in another program.
enum class EditMessage {
    Escape, // the Escape key's character
    SelectAll,
    Paste,
    Enter,        // the Enter key's character
    EnterKey,     // the Enter key pressed (a key-down), for a combo box
    SetTextLimit, // to the given limit
};

// The desktop outside our own windows: other programs' windows, the clipboard
// all programs share, and the passing of time.
class Desktop {
public:
    virtual ~Desktop() = default;

    // 0 when there is no such window; an empty class name or title matches any.
    virtual WindowRef FindTopLevelWindow(const std::string& className,
                                         const std::string& title) = 0;
    // The window's own children (not theirs), topmost first.
    virtual std::vector<WindowRef> Children(WindowRef parent) = 0;
    virtual std::string ClassName(WindowRef window) = 0;
    // False once the window is gone.
    virtual bool Exists(WindowRef window) = 0;
    // Queued behind whatever was posted to the window before; the limit goes
    // with SetTextLimit only.
    virtual void Post(WindowRef target, EditMessage message, std::size_t textLimit = 0) = 0;
    // Sent, so handled ahead of anything posted to the window; given up when the
    // window does not answer in time, and then nothing.
    virtual std::optional<std::size_t> AskTextLimit(WindowRef window,
                                                    std::chrono::milliseconds timeout) = 0;
    virtual void SetTextLimit(WindowRef window, std::size_t limit,
                              std::chrono::milliseconds timeout) = 0;

    // Both fail while another program holds the clipboard open.
    virtual bool WriteClipboardText(const std::string& text) = 0;
    virtual std::optional<std::string> ReadClipboardText() = 0;

    // A clock that only goes forward, for deadlines.
    virtual std::chrono::milliseconds Now() = 0;
    // Waits with the wait cursor; our windows keep repainting, but no input
    // reaches them meanwhile.
    virtual void Pause(std::chrono::milliseconds duration) = 0;
};

// The desktop the program's windows reach: the Win32 one in the program, the
// in-memory one in tests.
Desktop& TheDesktop();
void SetDesktop(Desktop* desktop);

} // namespace kestrow
