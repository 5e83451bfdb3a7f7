#pragma once

#include <windows.h>

class CDialog;

namespace ui {

// The one dialog procedure of every window this host creates; the creation
// parameter is the CDialog, whose window object already exists.
INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The CDialog behind a window, when the window is one of our live dialogs.
CDialog* AttachedDialog(HWND hwnd);

} // namespace ui
