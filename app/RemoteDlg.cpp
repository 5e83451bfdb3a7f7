#include "app/RemoteDlg.h"

#include "res/resource.h"
#include "ui/MessageMap.h"

CCommandTarget* CRemoteDlg::s_pMainDlg = nullptr;

CRemoteDlg::CRemoteDlg(CCommandTarget* pParent) : CDialog(IDD_REMOTE, pParent) {
    s_pMainDlg = pParent;
}

void CRemoteDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_REMOTE_APPLY, m_btnApply);
}

bool CRemoteDlg::OnCommand(int id, int code) {
    static const CommandEntry<CRemoteDlg> map[] = {
        {IDC_REMOTE_APPLY, ui::kBnClicked, &CRemoteDlg::OnApply},
    };
    return Dispatch(*this, map, id, code) || CDialog::OnCommand(id, code);
}

bool CRemoteDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    Window().MakeTopmost();
    m_btnApply.SetText(m_strButtonLabel);
    return false;
}

void CRemoteDlg::OnApply() {
    s_pMainDlg->SendCommandToEditor(*this);
}
