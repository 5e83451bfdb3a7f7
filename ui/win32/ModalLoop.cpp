#include "ui/win32/ModalLoop.h"

#include "ui/win32/DialogKeys.h"
#include "ui/win32/Win32DialogWindow.h"

namespace ui {

bool RunModalLoop(const Win32DialogWindow& window) {
    MSG msg;
    while (!window.HasEnded() && window.Handle() != nullptr) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (got == -1)
            return false;
        DispatchModalMessage(msg, window.Handle());
    }
    return true;
}

void DispatchModalMessage(MSG& msg, HWND dialog) {
    if (RouteDialogKey(msg, dialog))
        return;
    // Tab and the arrow keys move through the dialog, into its pages too (their
    // templates carry DS_CONTROL).
    if (!IsDialogMessageA(dialog, &msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace ui
