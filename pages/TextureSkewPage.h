#pragma once

#include "pages/CalcPage.h"
#include "pages/TextureSkewFields.h"

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
    int m_bHorzSkew = kestrow::texture_skew::kHorzSkew.initial;
    int m_bHorzNegate = kestrow::texture_skew::kHorzNegate.initial;
    double m_dHorzScale = kestrow::texture_skew::kHorzScale.initial;
    int m_bVertSkew = kestrow::texture_skew::kVertSkew.initial;
    int m_bVertNegate = kestrow::texture_skew::kVertNegate.initial;
    double m_dVertScale = kestrow::texture_skew::kVertScale.initial;
    std::string m_strHorzRise = kestrow::texture_skew::kHorzRise.initial;
    std::string m_strHorzRun = kestrow::texture_skew::kHorzRun.initial;
    std::string m_strVertRise = kestrow::texture_skew::kVertRise.initial;
    std::string m_strVertRun = kestrow::texture_skew::kVertRun.initial;

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
