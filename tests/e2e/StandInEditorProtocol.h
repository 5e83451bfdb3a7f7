#pragma once

#include "tests/support/EditorCommandLine.h"

#include <windows.h>

// What the tests and the stand-in editor agree on.
namespace e2e::standin {

// The stand-in's option: the name of a kind of command line (uitest::KindName),
// or this for a log window without children, named as the 1998-2001 builds name
// theirs.
inline constexpr const char* kNoChildrenOption = "--no-children";
inline constexpr uitest::CommandLineKind kNoChildrenNamedAs = uitest::CommandLineKind::Classic;

// The plain kind's children in creation order, which is also their child order:
// the command line comes first, as in the editor. The editor's own kinds have
// their command line alone, or Unreal 227's display (no id) and command box.
inline constexpr int kCommandLineId = 1;
inline constexpr int kNotesId = 2;
inline constexpr int kHistoryId = 3;
inline constexpr int kCaptionId = 4;
inline constexpr const char* kNotesText = "notes";
inline constexpr const char* kCaptionText = "Stand-in for the editor's log window";

// Posted by a test behind whatever it waits for; the editor counts them.
inline constexpr UINT kMarker = WM_APP + 1;
// Sent by a test: answers how many markers the editor has handled.
inline constexpr UINT kMarkersHandled = WM_APP + 2;
// Posted by a test: the editor runs a long command of its own for wParam
// milliseconds.
inline constexpr UINT kKeepBusy = WM_APP + 3;

// A line the editor writes when a child other than the command line receives a
// paste or a character.
inline constexpr const char* kStrayPrefix = "stray message to child ";

} // namespace e2e::standin
