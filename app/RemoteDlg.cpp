#include "app/RemoteDlg.h"

#include "res/resource.h"
#include "ui/MessageMap.h"

#include <utility>

CRemoteDlg::CRemoteDlg(CDialog* pParent, ApplyHandler apply)
    : CDialog(IDD_REMOTE, pParent), m_apply(std::move(apply)) {}

void CRemoteDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_REMOTE_APPLY, m_btnApply);
}

bool CRemoteDlg::OnCommand(int id, int code) {
    static const CommandEntry<CRemoteDlg> map[] = {
        {IDC_REMOTE_APPLY, ui::kBnClicked, &CRemoteDlg::OnApply},
    };
    return DispatchCommand(*this, map, id, code) || CDialog::OnCommand(id, code);
}

bool CRemoteDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    Window().MakeTopmost();
    m_btnApply.SetText(m_strButtonLabel);
    return false;
}

void CRemoteDlg::OnApply() {
    m_apply(*this);
}
