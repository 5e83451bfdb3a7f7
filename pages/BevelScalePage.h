#pragma once

#include "pages/BevelScaleFields.h"
#include "pages/CalcPage.h"

#include <string>

// Tab 1: the scale at which a number of textures cover the slant of a bevel
// given by its rise and run.
class CBevelScalePage : public CCalcPage {
public:
    explicit CBevelScalePage(CCommandTarget* pMainDlg);

    bool OnCommand(int id, int code) override;
    bool Calculate();

    CEdit m_editRun;
    CEdit m_editRise;
    double m_dTextureCount = kestrow::bevel_scale::kTextureCount.initial;
    double m_dBevelScale = 0.0;
    double m_dOtherScale = kestrow::bevel_scale::kOtherScale.initial;
    int m_nTexWidth = kestrow::bevel_scale::kTexWidth.initial;
    int m_nApplyTo = kestrow::bevel_scale::kApplyTo.initial;
    std::string m_strRise = kestrow::bevel_scale::kRise.initial;
    std::string m_strRun = kestrow::bevel_scale::kRun.initial;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnCmdBevelScale();

    static CCommandTarget* s_pMainDlg;
};
