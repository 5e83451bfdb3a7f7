#include "link/Win32Desktop.h"

#include <cstring>

namespace kestrow {

namespace {

HWND HandleOf(WindowRef window) {
    return reinterpret_cast<HWND>(window);
}

const char* OrAny(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

} // namespace

Win32Desktop::~Win32Desktop() {
    if (m_clipboardOwner != nullptr)
        DestroyWindow(m_clipboardOwner);
}

WindowRef Win32Desktop::FindTopLevelWindow(const std::string& className, const std::string& title) {
    return reinterpret_cast<WindowRef>(FindWindowA(OrAny(className), OrAny(title)));
}

std::vector<WindowRef> Win32Desktop::Children(WindowRef parent) {
    std::vector<WindowRef> children;
    for (HWND child = GetWindow(HandleOf(parent), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(reinterpret_cast<WindowRef>(child));
    return children;
}

std::string Win32Desktop::ClassName(WindowRef window) {
    char name[256] = {};
    return std::string(
        name, static_cast<std::size_t>(GetClassNameA(HandleOf(window), name, sizeof name)));
}

bool Win32Desktop::Exists(WindowRef window) {
    return IsWindow(HandleOf(window)) != FALSE;
}

void Win32Desktop::Post(WindowRef target, const WindowMessage& message) {
    PostMessageA(HandleOf(target), message.id, message.wParam, message.lParam);
}

std::optional<std::intptr_t> Win32Desktop::Send(WindowRef target, const WindowMessage& message,
                                                std::chrono::milliseconds timeout) {
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(HandleOf(target), message.id, message.wParam, message.lParam,
                            SMTO_NORMAL, static_cast<UINT>(timeout.count()), &answer) == 0)
        return std::nullopt;
    return static_cast<std::intptr_t>(answer);
}

// Data put on the clipboard needs an owner window; a message-only one serves
// programs that have no window of their own too.
HWND Win32Desktop::ClipboardOwner() {
    if (m_clipboardOwner == nullptr)
        m_clipboardOwner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                           GetModuleHandleA(nullptr), nullptr);
    return m_clipboardOwner;
}

bool Win32Desktop::WriteClipboardText(const std::string& text) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (memory == nullptr)
        return false;
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    if (!OpenClipboard(ClipboardOwner())) {
        GlobalFree(memory);
        return false;
    }
    const bool stored = EmptyClipboard() && SetClipboardData(CF_TEXT, memory) != nullptr;
    CloseClipboard();
    if (!stored)
        GlobalFree(memory);
    return stored;
}

std::optional<std::string> Win32Desktop::ReadClipboardText() {
    if (!OpenClipboard(ClipboardOwner()))
        return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

std::chrono::milliseconds Win32Desktop::Now() {
    return std::chrono::milliseconds(GetTickCount64());
}

void Win32Desktop::Pause(std::chrono::milliseconds duration) {
    // Only paint messages run: the window does not freeze, and no second click
    // can start a delivery inside this one. Mouse input stays queued too, so
    // nothing puts the arrow back before the wait is over.
    const HCURSOR before = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(duration.count());
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_PAINT);
        MSG message;
        while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
            DispatchMessageA(&message);
    }
    SetCursor(before);
}

} // namespace kestrow
