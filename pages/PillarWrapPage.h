#pragma once

#include "pages/CalcPage.h"

#include <string>

// Tab 0, shown at start: circumference, simple pan, best-fit scale, best-fit pan
// and fractional error of a pillar built as a regular prism.
class CPillarWrapPage : public CCalcPage {
public:
    explicit CPillarWrapPage(CCommandTarget* pMainDlg);

    bool OnCommand(int id, int code) override;
    // Every Cmd button validates every field and refreshes all five results.
    bool Calculate();

    CEdit m_editRadius;
    int m_bAlignToSide = 1;
    double m_dCircumference = 0.0;
    double m_dFractionalError = 0.0;
    int m_bNegatePan = 1;
    int m_nSides = 8;
    double m_dOtherScale = 1.0;
    double m_dTextureCount = 1.0;
    int m_nBestPan = 0;
    double m_dBestScale = 0.0;
    int m_nSimplePan = 0;
    int m_nTexWidth = 128;
    int m_nApplyTo = 0; // 0: U, anything else: V
    std::string m_strRadius = "32";

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnCmdSimplePan();
    void OnCmdBestScale();
    void OnCmdBestPan();
    char ApplyAxis() const { return m_nApplyTo == 0 ? 'U' : 'V'; }

    static CCommandTarget* s_pMainDlg;
};
