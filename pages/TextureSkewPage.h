#pragma once

#include "pages/CalcPage.h"

#include <string>

// Tab 3: the terms of the scale command that slant a texture along a sloped
// edge, from a horizontal and a vertical group that are switched on and off by
// their check boxes; at least one group stays on.
class CTextureSkewPage : public CCalcPage {
public:
    explicit CTextureSkewPage(CCommandTarget* pMainDlg);

    bool OnCommand(int id, int code) override;
    // Updates the results of each group that is on as the page is read.
    bool Calculate();

    double m_dVU = 0.0;
    double m_dUV = 0.0;
    double m_dVV = 1.0;
    double m_dUU = 1.0;
    CEdit m_editVertScale;
    CEdit m_editVertRun;
    CEdit m_editVertRise;
    CButton m_btnVertNegate;
    CEdit m_editHorzScale;
    CEdit m_editHorzRun;
    CEdit m_editHorzRise;
    CButton m_btnHorzNegate;
    int m_bHorzSkew = 0;
    int m_bHorzNegate = 0;
    double m_dHorzScale = 1.0;
    int m_bVertSkew = 1;
    int m_bVertNegate = 0;
    double m_dVertScale = 1.0;
    std::string m_strHorzRise = "256";
    std::string m_strHorzRun = "0";
    std::string m_strVertRise = "256";
    std::string m_strVertRun = "512";

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnHorzSkew();
    void OnVertSkew();
    void OnCmd();
    void EnableHorzGroup(bool enable);
    void EnableVertGroup(bool enable);
    bool NoGroupOn() const { return m_bHorzSkew == 0 && m_bVertSkew == 0; }

    static CCommandTarget* s_pMainDlg;
};
