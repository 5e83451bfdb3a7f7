#pragma once

#include <windows.h>

namespace ui {

class Win32DialogWindow;

// Pumps messages for a modal dialog until its EndDialog runs or its window goes.
// WM_QUIT ends the loop early and is posted again for the loops outside; the
// result is then false.
bool RunModalLoop(const Win32DialogWindow& window);

} // namespace ui
