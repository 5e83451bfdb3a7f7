#pragma once

#include "ui/Controls.h"
#include "ui/Dialog.h"

#include <string>

class CMainDlg;

// A small always-on-top window whose big button applies the pending command again
// while the calculator is minimised.
class CRemoteDlg : public CDialog {
public:
    explicit CRemoteDlg(CMainDlg* pParent);

    std::string m_strButtonLabel;
    CButton m_btnApply;

    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnApply();

    static CMainDlg* s_pMainDlg;
};
