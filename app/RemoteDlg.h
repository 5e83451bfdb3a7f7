#pragma once

#include "pages/CommandTarget.h"
#include "ui/Controls.h"

#include <string>

// A small always-on-top window whose big button applies the pending command again
// while the calculator is minimised.
class CRemoteDlg : public CDialog {
public:
    explicit CRemoteDlg(CCommandTarget* pParent);

    std::string m_strButtonLabel;
    CButton m_btnApply;

    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnApply();

    static CCommandTarget* s_pMainDlg;
};
