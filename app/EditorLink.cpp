#include "app/MainDlg.h"

#include "res/resource.h"

// Delivers the pending command to the editor: the command text goes to the
// clipboard, then a paste and an Enter are posted to the command line of the
// editor's log window. Every stop is silent and happens before the clipboard is
// touched.

namespace {

constexpr const char* kEditorLogWindowTitle = "Unreal Log Window";
constexpr std::intptr_t kEnterKeyData = 0x001C0000; // repeat 0, scan code 0x1C

bool EnumFirstChildProc(ui::WindowRef hwnd, std::intptr_t lParam) {
    *reinterpret_cast<ui::WindowRef*>(lParam) = hwnd;
    return false;
}

} // namespace

ui::WindowRef CMainDlg::FindEditorCommandLine() {
    ui::WindowRef logWindow = ui::Host().FindTopLevelWindow(kEditorLogWindowTitle);
    if (logWindow == 0)
        return 0;
    ui::WindowRef target = 0;
    ui::Host().EnumChildWindows(logWindow, EnumFirstChildProc,
                                reinterpret_cast<std::intptr_t>(&target));
    return target;
}

void CMainDlg::SendCommandToEditor() {
    UpdateData(true);
    if (m_strCommand.empty())
        return;
    ui::WindowRef target = FindEditorCommandLine();
    if (target == 0)
        return;
    m_editCommand.SelectAll();
    m_editCommand.Copy();
    ui::Host().PostWindowMessage(target, ui::kWmPaste, 0, 0);
    ui::Host().PostWindowMessage(target, ui::kWmChar, 13, kEnterKeyData);
}
