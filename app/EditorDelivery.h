#pragma once

#include "app/Desktop.h"

#include <chrono>
#include <string>

// Hands a command to the level editor: the command goes on the clipboard, and the
// command line of the editor's log window is told to select all its text, paste
// over it and press Enter. Free of dialogs, so that every way of sending a
// command takes this one road.
namespace kestrow {

enum class DeliveryResult { Delivered, NoEditor, ClipboardBusy };

inline constexpr const char* kClipboardBusyMessage =
    "The command was not sent to the editor because another program is holding the "
    "clipboard. Please try again.";

// How long a delivery waits for another program to let go of the clipboard.
inline constexpr std::chrono::milliseconds kClipboardPatience{250};
inline constexpr std::chrono::milliseconds kClipboardRetryPause{25};

// The first child of the editor's log window, or 0 when there is none.
WindowRef FindEditorCommandLine(Desktop& desktop);

// True once the clipboard holds exactly the command; retries while another
// program holds the clipboard open, for kClipboardPatience at most.
bool PutCommandOnClipboard(Desktop& desktop, const std::string& command);

// Posts nothing unless the clipboard holds exactly the command: whatever it held
// before must never reach the editor.
DeliveryResult PasteIntoCommandLine(Desktop& desktop, WindowRef commandLine,
                                    const std::string& command);

DeliveryResult DeliverToEditor(Desktop& desktop, const std::string& command);

} // namespace kestrow
