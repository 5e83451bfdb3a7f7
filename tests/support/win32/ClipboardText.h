#pragma once

#include <windows.h>

#include <string>

namespace uitest {

// The clipboard's text, read at once: empty while another program holds the
// clipboard open, as an edit control's paste finds it.
std::string ClipboardTextNow(HWND owner = nullptr);

} // namespace uitest
