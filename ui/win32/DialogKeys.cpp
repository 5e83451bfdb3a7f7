#include "ui/win32/DialogKeys.h"

#include "ui/Dialog.h"
#include "ui/win32/DialogProc.h"

namespace ui {

namespace {

bool IsInside(HWND hwnd, HWND dialog) {
    return hwnd != nullptr && (hwnd == dialog || IsChild(dialog, hwnd));
}

bool IsPushButton(HWND hwnd) {
    char className[16] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (lstrcmpiA(className, "Button") != 0)
        return false;
    LONG type = GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// A multi-line edit and the like take Enter or Escape themselves.
bool ControlWantsKey(HWND control, const MSG& msg) {
    auto code = SendMessageA(control, WM_GETDLGCODE, msg.wParam,
                             reinterpret_cast<LPARAM>(const_cast<MSG*>(&msg)));
    return (code & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
}

HWND InnermostDialog(HWND hwnd, HWND modalDialog) {
    for (; hwnd != nullptr; hwnd = GetParent(hwnd)) {
        if (AttachedDialog(hwnd) != nullptr)
            return hwnd;
        if (hwnd == modalDialog)
            break; // above it, GetParent answers the owner
    }
    return nullptr;
}

// The dialog manager answers the button that has the default style, hidden or not.
int DefaultButton(HWND dialog) {
    auto answer = static_cast<DWORD>(SendMessageA(dialog, DM_GETDEFID, 0, 0));
    return HIWORD(answer) == DC_HASDEFID ? LOWORD(answer) : 0;
}

bool IsDown(int virtualKey) {
    return GetKeyState(virtualKey) < 0;
}

bool RouteTabSwitchKey(const MSG& msg, HWND modalDialog) {
    if (msg.wParam != VK_TAB && msg.wParam != VK_NEXT && msg.wParam != VK_PRIOR)
        return false;
    const DialogKey key = msg.wParam == VK_TAB    ? DialogKey::Tab
                          : msg.wParam == VK_NEXT ? DialogKey::PageDown
                                                  : DialogKey::PageUp;
    const int step = TabSwitchStep(key, {IsDown(VK_CONTROL), IsDown(VK_SHIFT), IsDown(VK_MENU)});
    CDialog* dialog = AttachedDialog(modalDialog);
    return step != 0 && dialog != nullptr && dialog->OnSwitchTabKey(step);
}

// Alt and a letter, or the letter alone where the focus is on a control that
// takes no characters, as the dialog manager reads access keys.
bool RouteAccessKey(const MSG& msg, HWND modalDialog) {
    if (msg.message == WM_CHAR &&
        (SendMessageA(GetFocus(), WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) != 0)
        return false;
    CDialog* dialog = AttachedDialog(modalDialog);
    return dialog != nullptr && dialog->OnAccessKey(static_cast<char>(msg.wParam));
}

} // namespace

bool RouteDialogKey(const MSG& msg, HWND modalDialog) {
    if (!IsInside(msg.hwnd, modalDialog))
        return false;
    if (msg.message == WM_SYSCHAR || msg.message == WM_CHAR)
        return RouteAccessKey(msg, modalDialog);
    if (msg.message != WM_KEYDOWN)
        return false;
    if (RouteTabSwitchKey(msg, modalDialog))
        return true;
    if (msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE)
        return false;
    HWND focus = GetFocus();
    if (!IsInside(focus, modalDialog))
        focus = msg.hwnd;
    if (ControlWantsKey(focus, msg))
        return false;
    HWND dialog = InnermostDialog(focus, modalDialog);
    if (dialog == nullptr)
        return false;

    DialogKey key = msg.wParam == VK_RETURN ? DialogKey::Enter : DialogKey::Escape;
    int focusedPushButton = focus != dialog && IsPushButton(focus) ? GetDlgCtrlID(focus) : 0;
    int command = DialogKeyCommand(key, focusedPushButton, DefaultButton(dialog));
    HWND control = GetDlgItem(dialog, command);
    if (command == focusedPushButton && control == focus) {
        SendMessageA(focus, BM_CLICK, 0, 0);
    } else if (key == DialogKey::Escape || control == nullptr || IsWindowEnabled(control)) {
        // A disabled default button is not pressed, as the dialog manager does it.
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                     reinterpret_cast<LPARAM>(control));
    }
    return true;
}

} // namespace ui
