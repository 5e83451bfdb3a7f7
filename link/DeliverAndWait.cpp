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
    const DeliveryResult pasted =
        PasteIntoCommandLine(desktop, commandLine, command, LongestCommand(*limit));
    if (pasted != DeliveryResult::Delivered)
        return pasted;
    const std::size_t marker = *limit > 1 ? *limit - 1 : *limit + 1;
    desktop.Post(commandLine, EditMessage::SetTextLimit, marker);
    if (!WaitForTextLimit(desktop, commandLine, marker))
        return DeliveryResult::NotTaken;
    desktop.SetTextLimit(commandLine, *limit, kEditorPatience);
    return DeliveryResult::Delivered;
}

} // namespace kestrow
