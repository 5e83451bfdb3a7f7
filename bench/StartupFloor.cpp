// The floor of the start-up benchmark: Kestrow's main window and its four pages
// from the same compiled templates, filled as a user first sees them (every
// edit's text, the check boxes and radio buttons, both icons, the tab items),
// with nothing but USER32 calls and no dialog layer, so that what Kestrow.exe
// takes beyond it is the cost of the program, not of showing its window.
#include "res/resource.h"

#include <windows.h>

#include <commctrl.h>

#include <initializer_list>

namespace {

HINSTANCE instance;

INT_PTR CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

// Each edit gets a text and each check box and radio button its state, one call
// each, as the pages' data exchange makes them; the first radio button of a
// group is the one checked.
BOOL CALLBACK FillControl(HWND control, LPARAM) {
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    const LONG kind = style & BS_TYPEMASK;
    if (lstrcmpiA(className, "Edit") == 0)
        SetWindowTextA(control, "128");
    else if (lstrcmpiA(className, "Button") == 0 && kind == BS_AUTOCHECKBOX)
        SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
    else if (lstrcmpiA(className, "Button") == 0 && kind == BS_AUTORADIOBUTTON)
        SendMessageA(control, BM_SETCHECK, (style & WS_GROUP) ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}

void InsertTab(HWND tabs, int index, const char* text) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text);
    SendMessageA(tabs, TCM_INSERTITEMA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

INT_PTR CALLBACK MainProc(HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: {
        const HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(IDR_MAINFRAME));
        SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
        EnumChildWindows(window, FillControl, 0);
        SetDlgItemTextA(window, IDC_MAIN_CMD_LABEL, "CMD: ( None )");
        const HWND tabs = GetDlgItem(window, IDC_MAIN_TABS);
        int index = 0;
        for (const char* tab : {"Pillar Wrap", "Bevel Scale", "Floor Scale", "Texture Skew"})
            InsertTab(tabs, index++, tab);
        // Only the first page's template is visible, as in Kestrow.
        for (const int page : {IDD_PILLAR_WRAP, IDD_BEVEL_SCALE, IDD_FLOOR_SCALE, IDD_TEXTURE_SKEW})
            EnumChildWindows(
                CreateDialogParamA(instance, MAKEINTRESOURCEA(page), window, PageProc, 0),
                FillControl, 0);
        return TRUE;
    }
    case WM_CLOSE:
        DestroyWindow(window);
        return TRUE;
    case WM_DESTROY:
        PostQuitMessage(0);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE thisInstance, HINSTANCE, LPSTR, int) {
    instance = thisInstance;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // The main template carries WS_VISIBLE: it shows once its pages are made.
    HWND main = CreateDialogParamA(instance, MAKEINTRESOURCEA(IDD_MAIN), nullptr, MainProc, 0);
    if (main == nullptr)
        return 1;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageA(main, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return 0;
}
