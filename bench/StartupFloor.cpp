// The floor of the start-up benchmark: Kestrow's main window and its four pages
// from the same compiled templates, with nothing but USER32 calls and no dialog
// layer, so that what Kestrow.exe takes beyond it is the cost of the program.
#include "res/resource.h"

#include <windows.h>

#include <commctrl.h>

#include <initializer_list>

namespace {

HINSTANCE instance;

INT_PTR CALLBACK PageProc(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

INT_PTR CALLBACK MainProc(HWND window, UINT message, WPARAM, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        // Only the first page's template is visible, as in Kestrow.
        for (const int page : {IDD_PILLAR_WRAP, IDD_BEVEL_SCALE, IDD_FLOOR_SCALE, IDD_TEXTURE_SKEW})
            CreateDialogParamA(instance, MAKEINTRESOURCEA(page), window, PageProc, 0);
        return TRUE;
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
