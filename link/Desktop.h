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

// A window message, with the numbers Windows gives it.
struct WindowMessage {
    unsigned id = 0;
    std::uintptr_t wParam = 0;
    std::intptr_t lParam = 0;
};

// The messages delivery sends the editor's windows, each written once: the real
// desktop passes them on as they are, the in-memory one and the tests read them.
namespace messages {
inline constexpr unsigned kKeyDown = 0x0100;                     // WM_KEYDOWN
inline constexpr unsigned kChar = 0x0102;                        // WM_CHAR
inline constexpr unsigned kSetSel = 0x00B1;                      // EM_SETSEL
inline constexpr unsigned kSetLimitText = 0x00C5;                // EM_SETLIMITTEXT
inline constexpr unsigned kGetLimitText = 0x00D5;                // EM_GETLIMITTEXT
inline constexpr unsigned kPaste = 0x0302;                       // WM_PASTE
inline constexpr unsigned kReturn = 0x0D;                        // VK_RETURN, and its character
inline constexpr WindowMessage kEscape{kChar, 0x1B, 0x00010000}; // scan code 0x01
inline constexpr WindowMessage kSelectAll{kSetSel, 0, -1};
inline constexpr WindowMessage kPasteClipboard{kPaste};
inline constexpr WindowMessage kEnter{kChar, kReturn, 0x001C0000};       // scan code 0x1C
inline constexpr WindowMessage kEnterKey{kKeyDown, kReturn, 0x001C0001}; // repeat 1
inline constexpr WindowMessage kAskTextLimit{kGetLimitText};
constexpr WindowMessage TextLimit(std::size_t limit) {
    return {kSetLimitText, limit};
}
} // namespace messages

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
    // Queued behind whatever was posted to the window before.
    virtual void Post(WindowRef target, const WindowMessage& message) = 0;
    // Sent, so handled ahead of anything posted to the window: its answer, or
    // nothing when the window is gone or does not answer in time.
    virtual std::optional<std::intptr_t> Send(WindowRef target, const WindowMessage& message,
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

} // namespace kestrow
