#pragma once

#include "link/Desktop.h"

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

// Hands a command to the level editor: the command goes on the clipboard, and the
// command line of the editor's log window is cleared, pasted into and told to
// press Enter. Free of dialogs, so that every way of sending a command takes this
// one road.
namespace kestrow {

enum class DeliveryResult {
    Delivered,     // pasted and entered; when waited for, the editor has taken it
    NoEditor,      // no log window with a command line: nothing sent
    NotResponding, // the editor did not answer: nothing sent
    NotPrintable,  // holds a character the command line does not take: nothing sent
    TooLong,       // longer than the editor's command line takes: nothing sent
    ClipboardBusy, // another program held the clipboard: nothing sent
    NotTaken,      // sent, but the editor did not get to it in time
};

// The editor's command line holds this many characters after its prompt and cuts
// a longer paste short; it ends a paste at the first character that is not
// printable ASCII. Either way it would execute a different command.
inline constexpr std::size_t kCommandLineCapacity = 254;
inline constexpr unsigned char kFirstPrintable = 32;
inline constexpr unsigned char kLastPrintable = 126;

// How a delivery waits for another program to let go of the clipboard.
inline constexpr std::chrono::milliseconds kClipboardPatience{250};
inline constexpr std::chrono::milliseconds kClipboardRetryPause{25};
// How long the editor may take over one command: it executes each on its own
// thread, and a long one holds back the next.
inline constexpr std::chrono::seconds kEditorPatience{60};

// The first child of the editor's log window, or 0 when there is none.
WindowRef FindEditorCommandLine(Desktop& desktop);

// Where the command holds its first character outside printable ASCII, or npos.
std::size_t FindUnprintable(std::string_view command);

// The longest command the command line takes whole, given the text limit its
// edit control answers: the editor's own capacity, or that limit if smaller.
std::size_t LongestCommand(std::size_t textLimit);

// Clears what was left typed in the command line, pastes the command and presses
// Enter. Posts nothing unless the command reaches the editor whole (at most
// `longest` characters, all printable) and the clipboard holds exactly the
// command: whatever it held before must never reach the editor.
DeliveryResult PasteIntoCommandLine(Desktop& desktop, WindowRef commandLine,
                                    const std::string& command,
                                    std::size_t longest = kCommandLineCapacity);

// Delivers as Apply does, then waits until the editor has taken the command, so
// that the next one cannot overtake it on the clipboard.
DeliveryResult DeliverAndWait(Desktop& desktop, const std::string& command);

// What to tell the user when a delivery did not end in Delivered.
std::string DeliveryFailureMessage(DeliveryResult result);

} // namespace kestrow
