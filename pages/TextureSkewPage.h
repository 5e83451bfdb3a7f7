#pragma once

#include "pages/CalcPage.h"
#include "pages/TextureSkewForm.h"

// Tab 3: the Texture Skew page on the dialog layer. Its fields and results are
// the members of its description's Form.
class CTextureSkewPage : public CCalcPage, public kestrow::texture_skew::Form {
public:
    explicit CTextureSkewPage(CCommandTarget* pMainDlg);

    bool OnCommand(int id, int code) override;
    // Updates the results of each group that is on as the page is read.
    bool Calculate();

    CEdit m_editVertScale;
    CEdit m_editVertRun;
    CEdit m_editVertRise;
    CButton m_btnVertNegate;
    CEdit m_editHorzScale;
    CEdit m_editHorzRun;
    CEdit m_editHorzRise;
    CButton m_btnHorzNegate;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnHorzSkew();
    void OnVertSkew();
    void OnCmd();
    void EnableHorzGroup(bool enable);
    void EnableVertGroup(bool enable);
    bool NoGroupOn() const { return !kestrow::texture_skew::Ready(*this); }

    static CCommandTarget* s_pMainDlg;
};
