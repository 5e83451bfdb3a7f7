#include "app/MainDlg.h"

#include "app/EditorDelivery.h"

// Apply: the pending command goes to the editor. Finding no command, no editor
// or no command line stops silently, before the clipboard is touched; a
// clipboard that another program keeps holding is reported, since then nothing
// was sent.

void CMainDlg::SendCommandToEditor() {
    SendCommandToEditor(*this);
}

void CMainDlg::SendCommandToEditor(CDialog& messageOwner) {
    UpdateData(true);
    if (m_strCommand.empty())
        return;
    kestrow::Desktop& desktop = kestrow::TheDesktop();
    const kestrow::WindowRef target = kestrow::FindEditorCommandLine(desktop);
    if (target == 0)
        return;
    m_editCommand.SelectAll();
    if (kestrow::PasteIntoCommandLine(desktop, target, m_strCommand) ==
        kestrow::DeliveryResult::ClipboardBusy)
        messageOwner.ShowMessage(kestrow::kClipboardBusyMessage);
}
