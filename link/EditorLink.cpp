#include "link/EditorLink.h"

namespace kestrow {

namespace {

constexpr std::chrono::milliseconds kPollPause{2};

std::chrono::milliseconds Remaining(Desktop& desktop, std::chrono::milliseconds deadline) {
    const std::chrono::milliseconds now = desktop.Now();
    return now >= deadline ? std::chrono::milliseconds{0} : deadline - now;
}

} // namespace

DeliveryResult EditorLink::Deliver(Desktop& desktop, const std::string& command,
                                   std::chrono::milliseconds patience) {
    if (const DeliveryResult fault = CommandFault(command); fault != DeliveryResult::Delivered)
        return fault;
    if (WaitForLast(desktop, patience) == Wait::Busy)
        return DeliveryResult::EditorBusy;
    CommandLine commandLine;
    DeliveryResult result = OpenCommandLine(desktop, patience, commandLine);
    if (result == DeliveryResult::Delivered)
        result = PasteIntoCommandLine(desktop, commandLine, command);
    if (result != DeliveryResult::Delivered)
        return result;
    const std::size_t limit = commandLine.textLimit;
    m_last = Marker{commandLine.edit, limit > 1 ? limit - 1 : limit + 1, limit};
    desktop.Post(m_last->edit, messages::TextLimit(m_last->marked));
    return DeliveryResult::Delivered;
}

DeliveryResult EditorLink::WaitUntilTaken(Desktop& desktop, std::chrono::milliseconds patience) {
    return WaitForLast(desktop, patience) == Wait::Taken ? DeliveryResult::Delivered
                                                         : DeliveryResult::NotTaken;
}

// A message sent to the command line is handled ahead of anything posted to it,
// so a round trip alone says nothing about the paste; the marked limit does.
// Once it is read back the limit is put as it was.
EditorLink::Wait EditorLink::WaitForLast(Desktop& desktop, std::chrono::milliseconds patience) {
    if (!m_last)
        return Wait::Taken;
    const std::chrono::milliseconds deadline = desktop.Now() + patience;
    for (;;) {
        const auto limit =
            desktop.Send(m_last->edit, messages::kAskTextLimit, Remaining(desktop, deadline));
        if (limit == static_cast<std::intptr_t>(m_last->marked)) {
            desktop.Send(m_last->edit, messages::TextLimit(m_last->limit), kEditorPatience);
            m_last.reset();
            return Wait::Taken;
        }
        if (!desktop.Exists(m_last->edit)) {
            m_last.reset();
            return Wait::Gone;
        }
        if (Remaining(desktop, deadline) == std::chrono::milliseconds{0})
            return Wait::Busy;
        desktop.Pause(kPollPause);
    }
}

DeliveryResult DeliverAndWait(Desktop& desktop, const std::string& command) {
    EditorLink link;
    const DeliveryResult result = link.Deliver(desktop, command, kEditorPatience);
    return result == DeliveryResult::Delivered ? link.WaitUntilTaken(desktop, kEditorPatience)
                                               : result;
}

} // namespace kestrow
