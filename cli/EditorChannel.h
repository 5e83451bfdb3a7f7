#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace kestrow::cli {

// How long the editor may take over one command: it executes each on its own
// thread, and a long one holds back the next.
inline constexpr std::chrono::seconds kEditorPatience{60};

enum class SendResult {
    Taken,         // the editor has pasted the command and handled the Enter
    NoEditor,      // no log window with a command line: nothing sent
    NotResponding, // the editor did not answer: nothing sent
    ClipboardBusy, // another program held the clipboard: nothing sent
    NotTaken,      // sent, but the editor did not get to it in time
};

// The running editor, as a script reaches it.
class EditorChannel {
public:
    virtual ~EditorChannel() = default;

    // Delivers the command as Apply does, then waits until the editor has taken
    // it, so that the next command cannot overtake it on the clipboard.
    virtual SendResult Send(const std::string& command) = 0;
};

// The editor on this desktop; null in a build that cannot reach one.
std::unique_ptr<EditorChannel> OpenDesktopEditor();

// What a run says when a delivery did not end in Taken.
std::string SendFailureMessage(SendResult result);

} // namespace kestrow::cli
