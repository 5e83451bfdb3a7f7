#include "ui/win32/DialogProc.h"

#include "ui/Dialog.h"
#include "ui/win32/Win32DialogWindow.h"
#include "ui/win32/WindowPlacement.h"

#include <commctrl.h>
#include <uxtheme.h>

namespace ui {

namespace {

INT_PTR InitDialog(HWND hwnd, CDialog* dialog) {
    if (dialog == nullptr || !dialog->HasWindow())
        return TRUE;
    Win32DialogWindow& window = WindowOf(*dialog);
    window.AttachHandle(hwnd);
    SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
    // Our only child dialogs are the pages that lie over the tab control.
    if (!window.IsModal())
        EnableThemeDialogTexture(hwnd, ETDT_ENABLETAB);

    RECT before;
    GetWindowRect(hwnd, &before);
    bool focusFirstControl = dialog->OnInitDialog();
    PostMessageA(hwnd, Win32DialogWindow::kAfterShow, 0, 0);
    RECT after;
    // The templates carry no centring style: a modal dialog that its initialisation
    // left where the template put it is centred, as the dialog framework does.
    if (window.IsModal() && IsWindow(hwnd) && GetWindowRect(hwnd, &after) &&
        EqualRect(&before, &after))
        CenterOverOwner(hwnd, GetWindow(hwnd, GW_OWNER));
    return focusFirstControl ? TRUE : FALSE;
}

INT_PTR Notify(HWND hwnd, CDialog& dialog, const NMHDR& header) {
    // Our only tips are those of controls whose text may be cut off.
    auto& tip = *reinterpret_cast<NMTTDISPINFOA*>(const_cast<NMHDR*>(&header));
    if (header.code == TTN_GETDISPINFOA && (tip.uFlags & TTF_IDISHWND) != 0) {
        WindowOf(dialog).FillCutTextTip(tip);
        return TRUE;
    }
    long result = 0;
    if (!dialog.OnNotify(static_cast<int>(header.idFrom), static_cast<int>(header.code), result))
        return FALSE;
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

void ForgetWindow(HWND hwnd, CDialog& dialog) {
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    if (dialog.HasWindow() && WindowOf(dialog).Handle() == hwnd)
        WindowOf(dialog).ForgetHandle();
}

} // namespace

CDialog* AttachedDialog(HWND hwnd) {
    char className[16] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0 ||
        GetWindowLongPtrA(hwnd, DWLP_DLGPROC) != reinterpret_cast<LONG_PTR>(&DialogProc))
        return nullptr;
    return reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
}

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG)
        return InitDialog(hwnd, reinterpret_cast<CDialog*>(lParam));

    // Zero before WM_INITDIALOG and once the dialog let go of its window.
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (dialog == nullptr)
        return FALSE;

    switch (message) {
    case WM_COMMAND:
        return dialog->OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_NOTIFY:
        return Notify(hwnd, *dialog, *reinterpret_cast<const NMHDR*>(lParam));
    case WM_SYSCOMMAND:
        return dialog->OnSysCommand(static_cast<unsigned>(wParam)) ? TRUE : FALSE;
    case WM_PAINT:
        return dialog->OnPaint() ? TRUE : FALSE;
    case WM_CLOSE:
        dialog->OnClose();
        return TRUE;
    case Win32DialogWindow::kAfterShow:
        WindowOf(*dialog).AfterShow();
        return TRUE;
    case WM_QUERYDRAGICON:
        return static_cast<INT_PTR>(dialog->OnQueryDragIcon());
    case WM_NCDESTROY:
        ForgetWindow(hwnd, *dialog);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace ui
