#include "ui/win32/Win32Host.h"

#include "ui/Dialog.h"
#include "ui/win32/DialogProc.h"
#include "ui/win32/ModalLoop.h"
#include "ui/win32/Win32DialogWindow.h"

#include <cstring>

namespace ui {

namespace {

// A modal dialog's owner is a top-level window, even when the dialog that asked
// for it is a child.
HWND TopLevelOwner(const CDialog* owner) {
    if (owner == nullptr || !owner->HasWindow() || WindowOf(*owner).Handle() == nullptr)
        return nullptr;
    return GetAncestor(WindowOf(*owner).Handle(), GA_ROOT);
}

struct EnumThunk {
    bool (*proc)(WindowRef, std::intptr_t);
    std::intptr_t param;
};

BOOL CALLBACK EnumChildThunk(HWND hwnd, LPARAM lParam) {
    const auto* thunk = reinterpret_cast<const EnumThunk*>(lParam);
    return thunk->proc(reinterpret_cast<WindowRef>(hwnd), thunk->param) ? TRUE : FALSE;
}

} // namespace

Win32Host::~Win32Host() {
    if (m_clipboardOwner != nullptr)
        DestroyWindow(m_clipboardOwner);
}

HWND Win32Host::CreateDialogWindow(CDialog& dialog, HWND parentOrOwner) {
    return CreateDialogParamA(m_instance, MAKEINTRESOURCEA(dialog.TemplateId()), parentOrOwner,
                              DialogProc, reinterpret_cast<LPARAM>(&dialog));
}

int Win32Host::RunModal(CDialog& dialog, CDialog* owner) {
    HWND ownerWindow = TopLevelOwner(owner);
    Win32DialogWindow window(Win32DialogWindow::Kind::Modal, ownerWindow);
    window.DisableOwner();
    dialog.AttachWindow(&window);
    int result = kNoEndCode;
    if (CreateDialogWindow(dialog, ownerWindow) != nullptr) {
        // Templates without WS_VISIBLE still open shown, as a modal dialog does.
        if (!window.HasEnded() && !IsWindowVisible(window.Handle()))
            ShowWindow(window.Handle(), SW_SHOWNORMAL);
        if (window.HasEnded() || RunModalLoop(window))
            result = window.HasEnded() ? window.EndCode() : kIdCancel;
    }

    // The owner is enabled again before the dialog goes, so that activation
    // returns to it and not to some other program's window.
    window.EnableOwner();
    window.Destroy();
    dialog.AttachWindow(nullptr);
    return result;
}

std::unique_ptr<DialogWindow> Win32Host::CreateChild(CDialog& dialog, CDialog& parent) {
    if (!parent.HasWindow() || WindowOf(parent).Handle() == nullptr)
        return nullptr;
    auto window = std::make_unique<Win32DialogWindow>(Win32DialogWindow::Kind::Child, nullptr);
    dialog.AttachWindow(window.get());
    if (CreateDialogWindow(dialog, WindowOf(parent).Handle()) == nullptr) {
        dialog.AttachWindow(nullptr);
        return nullptr;
    }
    return window;
}

std::string Win32Host::LoadStringResource(int id) {
    std::string text(256, '\0');
    for (;;) {
        int length = LoadStringA(m_instance, static_cast<UINT>(id), text.data(),
                                 static_cast<int>(text.size()));
        // A string that filled the buffer may have been cut short: try a bigger one.
        if (length < static_cast<int>(text.size()) - 1) {
            text.resize(static_cast<std::size_t>(length));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

IconHandle Win32Host::LoadIconResource(int id) {
    return reinterpret_cast<IconHandle>(LoadIconA(m_instance, MAKEINTRESOURCEA(id)));
}

WindowRef Win32Host::FindTopLevelWindow(const std::string& title) {
    return reinterpret_cast<WindowRef>(FindWindowA(nullptr, title.c_str()));
}

void Win32Host::EnumChildWindows(WindowRef parent, bool (*proc)(WindowRef, std::intptr_t),
                                 std::intptr_t param) {
    EnumThunk thunk{proc, param};
    ::EnumChildWindows(reinterpret_cast<HWND>(parent), EnumChildThunk,
                       reinterpret_cast<LPARAM>(&thunk));
}

void Win32Host::PostWindowMessage(WindowRef target, unsigned message, std::uintptr_t wParam,
                                  std::intptr_t lParam) {
    PostMessageA(reinterpret_cast<HWND>(target), message, wParam, lParam);
}

// Data put on the clipboard needs an owner window; a message-only one serves
// programs that have no window of their own too.
HWND Win32Host::ClipboardOwner() {
    if (m_clipboardOwner == nullptr)
        m_clipboardOwner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                           m_instance, nullptr);
    return m_clipboardOwner;
}

bool Win32Host::WriteClipboardText(const std::string& text) {
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

std::optional<std::string> Win32Host::ReadClipboardText() {
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

void Win32Host::Pause(std::chrono::milliseconds duration) {
    // Only paint messages run: the window does not freeze, and no second click
    // can start a delivery inside this one.
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(duration.count());
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_PAINT);
        MSG message;
        while (PeekMessageA(&message, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
            DispatchMessageA(&message);
    }
}

} // namespace ui
