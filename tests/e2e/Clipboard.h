#pragma once

#include <optional>
#include <string>

namespace e2e {

// The clipboard's text, shared by every program on the desktop.
bool SetClipboardText(const std::string& text);
std::optional<std::string> ClipboardText();

} // namespace e2e
