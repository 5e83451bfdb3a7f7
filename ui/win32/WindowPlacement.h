#pragma once

#include <windows.h>

namespace ui {

// Centres a top-level window over its owner, or over the work area of its monitor
// when there is no owner or the owner is hidden or minimised, keeping the window
// inside that work area.
void CenterOverOwner(HWND hwnd, HWND owner);

} // namespace ui
