#include "app/EditorDelivery.h"

namespace kestrow {

namespace {

constexpr const char* kEditorLogWindowTitle = "Unreal Log Window";
constexpr std::intptr_t kEnterKeyData = 0x001C0000; // repeat 0, scan code 0x1C

bool EnumFirstChildProc(ui::WindowRef hwnd, std::intptr_t lParam) {
    *reinterpret_cast<ui::WindowRef*>(lParam) = hwnd;
    return false;
}

} // namespace

ui::WindowRef FindEditorCommandLine(ui::WindowHost& host) {
    ui::WindowRef logWindow = host.FindTopLevelWindow(kEditorLogWindowTitle);
    if (logWindow == 0)
        return 0;
    ui::WindowRef target = 0;
    host.EnumChildWindows(logWindow, EnumFirstChildProc, reinterpret_cast<std::intptr_t>(&target));
    return target;
}

bool PutCommandOnClipboard(ui::WindowHost& host, const std::string& command) {
    for (auto waited = std::chrono::milliseconds{0};; waited += kClipboardRetryPause) {
        if (host.WriteClipboardText(command) && host.ReadClipboardText() == command)
            return true;
        if (waited >= kClipboardPatience)
            return false;
        host.Pause(kClipboardRetryPause);
    }
}

DeliveryResult PasteIntoCommandLine(ui::WindowHost& host, ui::WindowRef commandLine,
                                    const std::string& command) {
    if (!PutCommandOnClipboard(host, command))
        return DeliveryResult::ClipboardBusy;
    // One target, so the editor handles them in this order; selecting all first
    // makes the paste replace anything left typed in the command line.
    host.PostWindowMessage(commandLine, ui::kEmSetSel, 0, -1);
    host.PostWindowMessage(commandLine, ui::kWmPaste, 0, 0);
    host.PostWindowMessage(commandLine, ui::kWmChar, 13, kEnterKeyData);
    return DeliveryResult::Delivered;
}

DeliveryResult DeliverToEditor(ui::WindowHost& host, const std::string& command) {
    ui::WindowRef commandLine = FindEditorCommandLine(host);
    if (commandLine == 0)
        return DeliveryResult::NoEditor;
    return PasteIntoCommandLine(host, commandLine, command);
}

} // namespace kestrow
