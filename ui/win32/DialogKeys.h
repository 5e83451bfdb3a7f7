#pragma once

#include <windows.h>

namespace ui {

// Keys for a window of the running modal dialog. Ctrl+Tab, Ctrl+Shift+Tab,
// Ctrl+Page Down and Ctrl+Page Up go to the modal dialog itself, from wherever
// in it the focus is. Enter and Escape go to the innermost of our dialogs that
// holds the focus, so that a page answers its own keys: the focused push button
// is clicked, else that dialog gets the command the key chooses. Access keys go
// to the modal dialog, which hands the focus to the field they label. True when
// the key was used up.
bool RouteDialogKey(const MSG& msg, HWND modalDialog);

} // namespace ui
