#pragma once

#include "pages/CalcPage.h"
#include "pages/PillarWrapFields.h"

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
    int m_bAlignToSide = kestrow::pillar_wrap::kAlignToSide.initial;
    double m_dCircumference = 0.0;
    double m_dFractionalError = 0.0;
    int m_bNegatePan = kestrow::pillar_wrap::kNegatePan.initial;
    int m_nSides = kestrow::pillar_wrap::kSides.initial;
    double m_dOtherScale = kestrow::pillar_wrap::kOtherScale.initial;
    double m_dTextureCount = kestrow::pillar_wrap::kTextureCount.initial;
    int m_nBestPan = 0;
    double m_dBestScale = 0.0;
    int m_nSimplePan = 0;
    int m_nTexWidth = kestrow::pillar_wrap::kTexWidth.initial;
    int m_nApplyTo = kestrow::pillar_wrap::kApplyTo.initial; // 0: U, anything else: V
    std::string m_strRadius = kestrow::pillar_wrap::kRadius.initial;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnCmdSimplePan();
    void OnCmdBestScale();
    void OnCmdBestPan();
    char ApplyAxis() const { return m_nApplyTo == 0 ? 'U' : 'V'; }

    static CCommandTarget* s_pMainDlg;
};
