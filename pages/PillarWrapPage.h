#pragma once

#include "pages/CalcPage.h"
#include "pages/PillarWrapForm.h"

// Tab 0, shown at start: the Pillar Wrap page on the dialog layer. Its fields
// and results are the members of its description's Form.
class CPillarWrapPage : public CCalcPage, public kestrow::pillar_wrap::Form {
public:
    explicit CPillarWrapPage(CCommandTarget* pMainDlg);

    bool OnCommand(int id, int code) override;
    // Every Cmd button validates every field and refreshes all five results.
    bool Calculate();

    CEdit m_editRadius;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnCmdSimplePan();
    void OnCmdBestScale();
    void OnCmdBestPan();

    static CCommandTarget* s_pMainDlg;
};
