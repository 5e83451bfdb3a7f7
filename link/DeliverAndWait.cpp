#include "link/EditorDelivery.h"

namespace kestrow {

namespace {

constexpr std::chrono::milliseconds kPollPause{2};

std::chrono::milliseconds Remaining(Desktop& desktop, std::chrono::milliseconds deadline) {
    const std::chrono::milliseconds now = desktop.Now();
    return now >= deadline ? std::chrono::milliseconds{0} : deadline - now;
}

bool WaitForTextLimit(Desktop& desktop, WindowRef commandLine, std::size_t marker) {
    const std::chrono::milliseconds deadline = desktop.Now() + kEditorPatience;
    for (;;) {
        const std::optional<std::size_t> limit =
            desktop.AskTextLimit(commandLine, Remaining(desktop, deadline));
        if (!limit || Remaining(desktop, deadline) == std::chrono::milliseconds{0})
            return limit == marker;
        if (*limit == marker)
            return true;
        desktop.Pause(kPollPause);
    }
}

} // namespace

// Posted messages reach the command line in the order posted, but a message sent
// to it is handled ahead of any posted one, so a round trip alone says nothing
// about the paste. A change posted behind the Enter does: the command line's text
// limit, which nothing shows, one lower. Once the command line reports that limit,
// it has handled the paste and the Enter, and the limit is put back.
DeliveryResult DeliverAndWait(Desktop& desktop, const std::string& command) {
    const WindowRef commandLine = FindEditorCommandLine(desktop);
    if (commandLine == 0)
        return DeliveryResult::NoEditor;
    const std::optional<std::size_t> limit = desktop.AskTextLimit(commandLine, kEditorPatience);
    if (!limit)
        return DeliveryResult::NotResponding;
    // The command line would keep only the start of a longer command, and the
    // editor would execute that.
    if (command.size() > *limit)
        return DeliveryResult::TooLong;
    if (PasteIntoCommandLine(desktop, commandLine, command) == DeliveryResult::ClipboardBusy)
        return DeliveryResult::ClipboardBusy;
    const std::size_t marker = *limit > 1 ? *limit - 1 : *limit + 1;
    desktop.Post(commandLine, EditMessage::SetTextLimit, marker);
    if (!WaitForTextLimit(desktop, commandLine, marker))
        return DeliveryResult::NotTaken;
    desktop.SetTextLimit(commandLine, *limit, kEditorPatience);
    return DeliveryResult::Delivered;
}

std::string DeliveryFailureMessage(DeliveryResult result) {
    const std::string patience = std::to_string(kEditorPatience.count()) + " seconds";
    switch (result) {
    case DeliveryResult::Delivered:
        break;
    case DeliveryResult::NoEditor:
        return "No window titled \"Unreal Log Window\" with a command line was found, so "
               "nothing was sent.";
    case DeliveryResult::NotResponding:
        return "The editor did not answer within " + patience + ", so nothing was sent.";
    case DeliveryResult::TooLong:
        return "The command is longer than the editor's command line takes, so nothing was sent.";
    case DeliveryResult::ClipboardBusy:
        return kClipboardBusyMessage;
    case DeliveryResult::NotTaken:
        return "The command was sent, but the editor did not take it within " + patience + ".";
    }
    return {};
}

} // namespace kestrow
