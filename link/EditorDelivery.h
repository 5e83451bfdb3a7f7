#pragma once

#include "link/Desktop.h"

#include <chrono>
#include <string>

// Hands a command to the level editor: the command goes on the clipboard, and the
// command line of the editor's log window is told to select all its text, paste
// over it and press Enter. Free of dialogs, so that every way of sending a
// command takes this one road.
namespace kestrow {

enum class DeliveryResult {
    Delivered,     // pasted and entered; when waited for, the editor has taken it
    NoEditor,      // no log window with a command line: nothing sent
    NotResponding, // the editor did not answer: nothing sent
    TooLong,       // longer than the editor's command line takes: nothing sent
    ClipboardBusy, // another program held the clipboard: nothing sent
    NotTaken,      // sent, but the editor did not get to it in time
};

inline constexpr const char* kClipboardBusyMessage =
    "The command was not sent to the editor because another program is holding the "
    "clipboard. Please try again.";

// How long a delivery waits for another program to let go of the clipboard.
inline constexpr std::chrono::milliseconds kClipboardPatience{250};
inline constexpr std::chrono::milliseconds kClipboardRetryPause{25};
// How long the editor may take over one command: it executes each on its own
// thread, and a long one holds back the next.
inline constexpr std::chrono::seconds kEditorPatience{60};

// The first child of the editor's log window, or 0 when there is none.
WindowRef FindEditorCommandLine(Desktop& desktop);

// Posts nothing unless the clipboard holds exactly the command: whatever it held
// before must never reach the editor.
DeliveryResult PasteIntoCommandLine(Desktop& desktop, WindowRef commandLine,
                                    const std::string& command);

// Delivers as Apply does, then waits until the editor has taken the command, so
// that the next one cannot overtake it on the clipboard.
DeliveryResult DeliverAndWait(Desktop& desktop, const std::string& command);

// What to tell the user when a delivery did not end in Delivered.
std::string DeliveryFailureMessage(DeliveryResult result);

} // namespace kestrow
