#include "link/EditorDelivery.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace kestrow {

namespace {

bool ContainsNoCase(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           }) != text.end();
}

// Unreal 227's command box, or 0 where the log window has none.
WindowRef FindCommandBox(Desktop& desktop, const std::vector<WindowRef>& children) {
    for (WindowRef child : children) {
        if (ContainsNoCase(desktop.ClassName(child), "ComboBox"))
            return child;
    }
    return 0;
}

// True once the clipboard holds exactly the command; retries while another
// program holds the clipboard open, for kClipboardPatience at most.
bool PutCommandOnClipboard(Desktop& desktop, const std::string& command) {
    for (auto waited = std::chrono::milliseconds{0};; waited += kClipboardRetryPause) {
        if (desktop.WriteClipboardText(command) && desktop.ReadClipboardText() == command)
            return true;
        if (waited >= kClipboardPatience)
            return false;
        desktop.Pause(kClipboardRetryPause);
    }
}

} // namespace

// By class first: a game's log window may carry the older editors' title.
WindowRef FindEditorLogWindow(Desktop& desktop) {
    const WindowRef byClass = desktop.FindTopLevelWindow(kEditorLogWindowClass, {});
    return byClass != 0 ? byClass : desktop.FindTopLevelWindow({}, kEditorLogWindowTitle);
}

// The kind follows from what the log window holds, not from its title, which
// each build and language words its own way.
DeliveryResult OpenCommandLine(Desktop& desktop, std::chrono::milliseconds patience,
                               CommandLine& commandLine) {
    const WindowRef logWindow = FindEditorLogWindow(desktop);
    const std::vector<WindowRef> children =
        logWindow == 0 ? std::vector<WindowRef>{} : desktop.Children(logWindow);
    if (children.empty())
        return DeliveryResult::NoEditor;
    if (const WindowRef box = FindCommandBox(desktop, children)) {
        const std::vector<WindowRef> inside = desktop.Children(box);
        commandLine = {CommandLineKind::CommandBox, inside.empty() ? 0 : inside.front(), box};
    } else {
        commandLine = {CommandLineKind::TypingBuffer, children.front(), children.front()};
    }
    if (commandLine.edit == 0)
        return DeliveryResult::NoEditor;
    const auto limit = desktop.Send(commandLine.edit, messages::kAskTextLimit, patience);
    if (!limit)
        return desktop.Exists(commandLine.edit) ? DeliveryResult::NotResponding
                                                : DeliveryResult::NoEditor;
    // Every edit control answers a limit of one or more: this is no command line.
    if (*limit <= 0)
        return DeliveryResult::NoEditor;
    commandLine.textLimit = static_cast<std::size_t>(*limit);
    return DeliveryResult::Delivered;
}

std::size_t FindUnprintable(std::string_view command) {
    for (std::size_t i = 0; i < command.size(); ++i) {
        const auto c = static_cast<unsigned char>(command[i]);
        if (c < kFirstPrintable || c > kLastPrintable)
            return i;
    }
    return std::string_view::npos;
}

DeliveryResult CommandFault(std::string_view command) {
    if (FindUnprintable(command) != std::string_view::npos)
        return DeliveryResult::NotPrintable;
    return command.size() > kCommandLineCapacity ? DeliveryResult::TooLong
                                                 : DeliveryResult::Delivered;
}

std::size_t LongestCommand(const CommandLine& commandLine) {
    return std::min(kCommandLineCapacity, commandLine.textLimit);
}

DeliveryResult PasteIntoCommandLine(Desktop& desktop, const CommandLine& commandLine,
                                    const std::string& command) {
    if (const DeliveryResult fault = CommandFault(command); fault != DeliveryResult::Delivered)
        return fault;
    if (command.size() > LongestCommand(commandLine))
        return DeliveryResult::TooLong;
    if (!PutCommandOnClipboard(desktop, command))
        return DeliveryResult::ClipboardBusy;
    // All go to windows of the editor's one thread, which handles them in this
    // order.
    if (commandLine.kind == CommandLineKind::CommandBox) {
        // Selecting all makes the paste replace what the mapper left typed; the
        // box runs its text on the Enter key alone, not on its character.
        desktop.Post(commandLine.edit, messages::kSelectAll);
        desktop.Post(commandLine.edit, messages::kPasteClipboard);
        desktop.Post(commandLine.enter, messages::kEnterKey);
        return DeliveryResult::Delivered;
    }
    // The display adds a paste to whatever the mapper left typed, and only
    // Escape clears it; a plain edit box ignores Escape, and selecting all
    // makes its paste replace what is there.
    desktop.Post(commandLine.edit, messages::kEscape);
    desktop.Post(commandLine.edit, messages::kSelectAll);
    desktop.Post(commandLine.edit, messages::kPasteClipboard);
    desktop.Post(commandLine.enter, messages::kEnter);
    return DeliveryResult::Delivered;
}

std::string DeliveryFailureMessage(DeliveryResult result, std::chrono::milliseconds patience) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(patience).count();
    const std::string waited = std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
    switch (result) {
    case DeliveryResult::Delivered:
        break;
    case DeliveryResult::NoEditor:
        return std::string("No editor log window with a command line was found (a window of "
                           "class \"") +
               kEditorLogWindowClass + "\", or one titled \"" + kEditorLogWindowTitle +
               "\"), so nothing was sent.";
    case DeliveryResult::NotResponding:
        return "The editor did not answer within " + waited + ", so nothing was sent.";
    case DeliveryResult::EditorBusy:
        return "The editor is still busy with the last command, so nothing was sent. Please try "
               "again once it is done.";
    case DeliveryResult::NotPrintable:
        return "The command holds a character the editor's command line does not take (it "
               "takes printable ASCII only), so nothing was sent.";
    case DeliveryResult::TooLong:
        return "The command is longer than the editor's command line takes, so nothing was sent.";
    case DeliveryResult::ClipboardBusy:
        return "The command was not sent to the editor because another program is holding the "
               "clipboard. Please try again.";
    case DeliveryResult::NotTaken:
        return "The command was sent, but the editor did not take it within " + waited + ".";
    }
    return {};
}

} // namespace kestrow
