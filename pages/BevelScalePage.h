#pragma once

#include "pages/BevelScaleForm.h"
#include "pages/CalcPage.h"

// Tab 1: the Bevel Scale page on the dialog layer. Its fields and result are the
// members of its description's Form.
class CBevelScalePage : public CCalcPage, public kestrow::bevel_scale::Form {
public:
    explicit CBevelScalePage(CCommandTarget* pMainDlg);

    bool OnCommand(int id, int code) override;
    bool Calculate();

    CEdit m_editRun;
    CEdit m_editRise;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnCmdBevelScale();

    static CCommandTarget* s_pMainDlg;
};
