#pragma once

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
    double m_dTextureCount = 1.0;
    double m_dBevelScale = 0.0;
    double m_dOtherScale = 1.0;
    int m_nTexWidth = 128;
    int m_nApplyTo = 1;
    std::string m_strRise = "64";
    std::string m_strRun = "64";

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnCmdBevelScale();

    static CCommandTarget* s_pMainDlg;
};
