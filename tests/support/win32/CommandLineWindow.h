#pragma once

#include "tests/support/EditorCommandLine.h"

#include <windows.h>

#include <functional>
#include <string>

namespace uitest {

using ExecutedHandler = std::function<void(HWND commandLine, const std::string& command)>;

// A command line of the given kind in `parent`, each as that build makes it: a
// plain edit box; the read-only log display with its typing buffer behind the
// prompt (Classic, Ut469); or Unreal 227's display followed by its command box,
// which is returned. Each command it executes goes to the handler.
HWND CreateCommandLineWindow(HWND parent, CommandLineKind kind, int id, const RECT& bounds,
                             ExecutedHandler onExecuted);

// What is left typed in a command line of that kind, read through WM_GETTEXT so
// that it works from another process too.
std::string TypedText(HWND commandLine, CommandLineKind kind);

} // namespace uitest
