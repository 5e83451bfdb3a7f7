#pragma once

#include <windows.h>

// What the tests and the stand-in editor agree on.
namespace e2e::standin {

inline constexpr const char* kLogWindowTitle = "Unreal Log Window";
inline constexpr const char* kNoChildrenOption = "--no-children";
inline constexpr const char* kLikeTheEditorOption = "--like-the-editor";

// The plain kind's children in creation order, which is also their child order:
// the command line comes first, as in the editor. The editor-like kind has the
// command line alone, as the editor has.
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

// A line the editor writes when a child other than the command line receives a
// paste or a character.
inline constexpr const char* kStrayPrefix = "stray message to child ";

} // namespace e2e::standin
