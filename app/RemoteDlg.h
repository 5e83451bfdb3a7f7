#pragma once

#include "ui/Controls.h"
#include "ui/Dialog.h"

#include <functional>
#include <string>

// A small always-on-top window whose big button applies the pending command again
// while the calculator is minimised.
class CRemoteDlg : public CDialog {
public:
    // Applies the pending command; a message box it shows belongs to the given window.
    using ApplyHandler = std::function<void(CDialog& messageOwner)>;

    CRemoteDlg(CDialog* pParent, ApplyHandler apply);

    std::string m_strButtonLabel;
    CButton m_btnApply;

    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnApply();

    ApplyHandler m_apply;
};
