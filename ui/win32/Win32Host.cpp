#include "ui/win32/Win32Host.h"

#include "ui/Dialog.h"
#include "ui/win32/DialogKeys.h"
#include "ui/win32/DialogProc.h"
#include "ui/win32/Win32DialogWindow.h"

namespace ui {

namespace {

LRESULT CALLBACK FilterDialogKeys(int code, WPARAM wParam, LPARAM lParam) {
    const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
    if (code == MSGF_DIALOGBOX && RouteDialogKey(msg, GetAncestor(msg.hwnd, GA_ROOT)))
        return TRUE;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

Win32Host::Win32Host(HINSTANCE instance)
    : m_instance(instance), m_keyFilter(SetWindowsHookExA(WH_MSGFILTER, FilterDialogKeys, nullptr,
                                                          GetCurrentThreadId())) {}

Win32Host::~Win32Host() {
    UnhookWindowsHookEx(m_keyFilter);
}

int Win32Host::RunModal(CDialog& dialog, CDialog* owner) {
    Win32DialogWindow window(Win32DialogWindow::Kind::Modal);
    dialog.AttachWindow(&window);
    // Given a page, the system takes the page's top-level window for the owner.
    HWND ownerWindow = owner != nullptr && owner->HasWindow() ? WindowOf(*owner).Handle() : nullptr;
    const INT_PTR result =
        DialogBoxParamA(m_instance, MAKEINTRESOURCEA(dialog.TemplateId()), ownerWindow, DialogProc,
                        reinterpret_cast<LPARAM>(&dialog));
    dialog.AttachWindow(nullptr);
    return static_cast<int>(result);
}

std::unique_ptr<DialogWindow> Win32Host::CreateChild(CDialog& dialog, CDialog& parent) {
    if (!parent.HasWindow() || WindowOf(parent).Handle() == nullptr)
        return nullptr;
    auto window = std::make_unique<Win32DialogWindow>(Win32DialogWindow::Kind::Child);
    dialog.AttachWindow(window.get());
    if (CreateDialogParamA(m_instance, MAKEINTRESOURCEA(dialog.TemplateId()),
                           WindowOf(parent).Handle(), DialogProc,
                           reinterpret_cast<LPARAM>(&dialog)) == nullptr) {
        dialog.AttachWindow(nullptr);
        return nullptr;
    }
    return window;
}

// Our strings are a menu item's text, far shorter than the buffer.
std::string Win32Host::LoadStringResource(int id) {
    char text[256];
    return std::string(text, static_cast<std::size_t>(LoadStringA(m_instance, static_cast<UINT>(id),
                                                                  text, sizeof text)));
}

IconHandle Win32Host::LoadIconResource(int id) {
    return reinterpret_cast<IconHandle>(LoadIconA(m_instance, MAKEINTRESOURCEA(id)));
}

} // namespace ui
