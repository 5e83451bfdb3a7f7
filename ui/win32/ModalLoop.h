#pragma once

#include <windows.h>

namespace ui {

class Win32DialogWindow;

// Pumps messages for a modal dialog until its EndDialog runs or its window goes.
// WM_QUIT ends the loop early and is posted again for the loops outside; the
// result is then false.
bool RunModalLoop(const Win32DialogWindow& window);

// What the loop does with one message while the dialog runs: our own dialog keys
// first, then the dialog manager's navigation, else the window it is for.
void DispatchModalMessage(MSG& msg, HWND dialog);

} // namespace ui
