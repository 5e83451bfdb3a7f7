#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Reading and changing windows of another process. Every message is sent with a
// time limit, so that a program stuck in a modal loop fails a test instead of
// hanging it.
namespace e2e {

std::string ReadText(HWND window);
bool WriteText(HWND window, const std::string& text);
std::string ClassOf(HWND window);
DWORD ProcessOf(HWND window);
DWORD ThreadOf(HWND window);

// Top-level windows of the process, topmost first.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);
// Direct children, topmost (first in child order) first.
std::vector<HWND> ChildrenOf(HWND parent);

// Sends the message and waits for its handler, at most a few seconds; false when
// the handler did not return in time.
bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result = nullptr);

// The window with the keyboard focus in the thread's input state, or null.
HWND FocusOfThread(DWORD threadId);

// Class, id and text of a window, for failure messages.
std::string DescribeWindow(HWND window);

// The texts of a dialog's static controls other than pictures, one per line: the
// message of a message box.
std::string StaticTextsOf(HWND dialog);

} // namespace e2e
