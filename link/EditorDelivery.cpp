#include "link/EditorDelivery.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace kestrow {

namespace {

constexpr const char* kEditorLogWindowTitle = "Unreal Log Window";
Desktop* g_desktop = nullptr;

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

Desktop& TheDesktop() {
    if (g_desktop == nullptr)
        std::abort(); // nothing may reach the desktop before the program chose it
    return *g_desktop;
}

void SetDesktop(Desktop* desktop) {
    g_desktop = desktop;
}

WindowRef FindEditorCommandLine(Desktop& desktop) {
    const WindowRef logWindow = desktop.FindTopLevelWindow(kEditorLogWindowTitle);
    return logWindow == 0 ? 0 : desktop.FirstChild(logWindow);
}

std::size_t FindUnprintable(std::string_view command) {
    for (std::size_t i = 0; i < command.size(); ++i) {
        const auto c = static_cast<unsigned char>(command[i]);
        if (c < kFirstPrintable || c > kLastPrintable)
            return i;
    }
    return std::string_view::npos;
}

std::size_t LongestCommand(std::size_t textLimit) {
    return std::min(kCommandLineCapacity, textLimit);
}

DeliveryResult PasteIntoCommandLine(Desktop& desktop, WindowRef commandLine,
                                    const std::string& command, std::size_t longest) {
    if (FindUnprintable(command) != std::string_view::npos)
        return DeliveryResult::NotPrintable;
    if (command.size() > longest)
        return DeliveryResult::TooLong;
    if (!PutCommandOnClipboard(desktop, command))
        return DeliveryResult::ClipboardBusy;
    // One target, so the editor handles them in this order. The editor's command
    // line adds a paste to whatever the mapper left typed, and only Escape clears
    // it; a plain edit box ignores Escape, and selecting all makes its paste
    // replace what is there.
    desktop.Post(commandLine, EditMessage::Escape);
    desktop.Post(commandLine, EditMessage::SelectAll);
    desktop.Post(commandLine, EditMessage::Paste);
    desktop.Post(commandLine, EditMessage::Enter);
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
    case DeliveryResult::NotPrintable:
        return "The command holds a character the editor's command line does not take (it "
               "takes printable ASCII only), so nothing was sent.";
    case DeliveryResult::TooLong:
        return "The command is longer than the editor's command line takes, so nothing was sent.";
    case DeliveryResult::ClipboardBusy:
        return "The command was not sent to the editor because another program is holding the "
               "clipboard. Please try again.";
    case DeliveryResult::NotTaken:
        return "The command was sent, but the editor did not take it within " + patience + ".";
    }
    return {};
}

} // namespace kestrow
