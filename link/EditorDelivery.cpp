#include "link/EditorDelivery.h"

#include <cstdlib>

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

DeliveryResult PasteIntoCommandLine(Desktop& desktop, WindowRef commandLine,
                                    const std::string& command) {
    if (!PutCommandOnClipboard(desktop, command))
        return DeliveryResult::ClipboardBusy;
    // One target, so the editor handles them in this order; selecting all first
    // makes the paste replace anything left typed in the command line.
    desktop.Post(commandLine, EditMessage::SelectAll);
    desktop.Post(commandLine, EditMessage::Paste);
    desktop.Post(commandLine, EditMessage::Enter);
    return DeliveryResult::Delivered;
}

} // namespace kestrow
