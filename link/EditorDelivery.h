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
    EditorBusy,    // the editor has not yet taken the last command: nothing sent
    NotPrintable,  // holds a character the command line does not take: nothing sent
    TooLong,       // longer than the editor's command line takes: nothing sent
    ClipboardBusy, // another program held the clipboard: nothing sent
    NotTaken,      // sent, but the editor did not get to it in time
};

// Every editor build names its log window's class after the editor's program,
// in any language; the older builds, and stand-ins, are known by the title.
inline constexpr const char* kEditorLogWindowClass = "UnrealEdUnrealWLog";
inline constexpr const char* kEditorLogWindowTitle = "Unreal Log Window";

// The editor's command line holds this many characters after its prompt and cuts
// a longer paste short; it ends a paste at the first character that is not
// printable ASCII. Either way it would execute a different command.
inline constexpr std::size_t kCommandLineCapacity = 254;
inline constexpr unsigned char kFirstPrintable = 32;
inline constexpr unsigned char kLastPrintable = 126;

// How a delivery waits for another program to let go of the clipboard.
inline constexpr std::chrono::milliseconds kClipboardPatience{250};
inline constexpr std::chrono::milliseconds kClipboardRetryPause{25};
// How long kestrow-cli lets the editor take over one command: it executes each
// on its own thread, and a long one holds back the next.
inline constexpr std::chrono::seconds kEditorPatience{60};

// How the log window takes a command.
enum class CommandLineKind {
    TypingBuffer, // typed into the log display itself, behind its prompt
    CommandBox,   // a combo box beside the display (Unreal 227)
};

struct CommandLine {
    CommandLineKind kind = CommandLineKind::TypingBuffer;
    WindowRef edit = 0;        // takes the paste: the display, or the box's own edit
    WindowRef enter = 0;       // takes the Enter: the display, or the box
    std::size_t textLimit = 0; // what `edit` answers
};

// The editor's log window, 0 when there is none.
WindowRef FindEditorLogWindow(Desktop& desktop);

// Finds the editor's command line, its kind and its text limit, waiting for an
// answer as long as `patience`. Delivered when found; else NoEditor or
// NotResponding, and nothing was sent.
DeliveryResult OpenCommandLine(Desktop& desktop, std::chrono::milliseconds patience,
                               CommandLine& commandLine);

// Where the command holds its first character outside printable ASCII, or npos.
std::size_t FindUnprintable(std::string_view command);

// What is wrong with the command whatever the editor: NotPrintable, TooLong for
// more than kCommandLineCapacity characters, else Delivered. Checked before the
// editor is looked for, so that a bad command fails alike with or without one.
DeliveryResult CommandFault(std::string_view command);

// The longest command the command line takes whole: the editor's own capacity,
// or its edit's text limit if smaller.
std::size_t LongestCommand(const CommandLine& commandLine);

// Replaces whatever was left typed in the command line with the command and
// presses Enter. Posts nothing unless the command reaches the editor whole and
// the clipboard holds exactly the command: whatever it held before must never
// reach the editor.
DeliveryResult PasteIntoCommandLine(Desktop& desktop, const CommandLine& commandLine,
                                    const std::string& command);

// What to tell the user when a delivery did not end in Delivered; `patience` is
// how long the editor was waited for.
std::string DeliveryFailureMessage(DeliveryResult result,
                                   std::chrono::milliseconds patience = kEditorPatience);

} // namespace kestrow
