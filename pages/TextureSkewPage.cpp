#include "pages/TextureSkewPage.h"

#include "pages/CommandText.h"
#include "pages/TextureSkewCalc.h"
#include "res/resource.h"
#include "ui/DataExchange.h"
#include "ui/MessageMap.h"

using namespace kestrow::texture_skew;

CCommandTarget* CTextureSkewPage::s_pMainDlg = nullptr;

CTextureSkewPage::CTextureSkewPage(CCommandTarget* pMainDlg)
    : CCalcPage(IDD_TEXTURE_SKEW, pMainDlg) {
    s_pMainDlg = pMainDlg;
}

// Disabled controls are exchanged and validated like enabled ones, so a group
// that is off still blocks the page with a bad scale.
void CTextureSkewPage::DoDataExchange(CDataExchange* pDX) {
    CCalcPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TS_VERT_SCALE, m_editVertScale);
    DDX_Control(pDX, IDC_TS_VERT_RUN, m_editVertRun);
    DDX_Control(pDX, IDC_TS_VERT_RISE, m_editVertRise);
    DDX_Control(pDX, IDC_TS_VERT_NEGATE, m_btnVertNegate);
    DDX_Control(pDX, IDC_TS_HORZ_SCALE, m_editHorzScale);
    DDX_Control(pDX, IDC_TS_HORZ_RUN, m_editHorzRun);
    DDX_Control(pDX, IDC_TS_HORZ_RISE, m_editHorzRise);
    DDX_Control(pDX, IDC_TS_HORZ_NEGATE, m_btnHorzNegate);
    DDX_Check(pDX, IDC_TS_HORZ_SKEW, m_bHorzSkew);
    DDX_Check(pDX, IDC_TS_HORZ_NEGATE, m_bHorzNegate);
    DDX_Text(pDX, IDC_TS_HORZ_SCALE, m_dHorzScale);
    DDV_MinMaxDouble(pDX, m_dHorzScale, kHorzScale.min, kHorzScale.max);
    DDX_Check(pDX, IDC_TS_VERT_SKEW, m_bVertSkew);
    DDX_Check(pDX, IDC_TS_VERT_NEGATE, m_bVertNegate);
    DDX_Text(pDX, IDC_TS_VERT_SCALE, m_dVertScale);
    DDV_MinMaxDouble(pDX, m_dVertScale, kVertScale.min, kVertScale.max);
    DDX_Text(pDX, IDC_TS_HORZ_RISE, m_strHorzRise);
    DDX_Text(pDX, IDC_TS_HORZ_RUN, m_strHorzRun);
    DDX_Text(pDX, IDC_TS_VERT_RISE, m_strVertRise);
    DDX_Text(pDX, IDC_TS_VERT_RUN, m_strVertRun);
}

bool CTextureSkewPage::OnCommand(int id, int code) {
    static const CommandEntry<CTextureSkewPage> map[] = {
        {IDC_TS_HORZ_SKEW, ui::kBnClicked, &CTextureSkewPage::OnHorzSkew},
        {IDC_TS_VERT_SKEW, ui::kBnClicked, &CTextureSkewPage::OnVertSkew},
        {IDC_TS_CMD, ui::kBnClicked, &CTextureSkewPage::OnCmd},
    };
    return DispatchCommand(*this, map, id, code) || CCalcPage::OnCommand(id, code);
}

// All four expressions are evaluated and tested whichever groups are on.
bool CTextureSkewPage::Calculate() {
    if (NoGroupOn())
        return false;
    if (!UpdateData(true))
        return false;
    float horzRise = 0.0f;
    if (!EvalExpressionField(*s_pMainDlg, m_strHorzRise, kHorzRise.lowerBound, m_editHorzRise,
                             horzRise))
        return false;
    float horzRun = 0.0f;
    if (!EvalExpressionField(*s_pMainDlg, m_strHorzRun, kHorzRun.lowerBound, m_editHorzRun,
                             horzRun))
        return false;
    float vertRise = 0.0f;
    if (!EvalExpressionField(*s_pMainDlg, m_strVertRise, kVertRise.lowerBound, m_editVertRise,
                             vertRise))
        return false;
    float vertRun = 0.0f;
    if (!EvalExpressionField(*s_pMainDlg, m_strVertRun, kVertRun.lowerBound, m_editVertRun,
                             vertRun))
        return false;
    if (m_bHorzSkew != 0) {
        const kestrow::HorzSkewResult horz =
            kestrow::ComputeHorzSkew(m_dHorzScale, horzRise, horzRun, m_bHorzNegate != 0);
        m_dUU = horz.uu;
        m_dUV = horz.uv;
    }
    if (m_bVertSkew != 0) {
        const kestrow::VertSkewResult vert =
            kestrow::ComputeVertSkew(m_dVertScale, vertRise, vertRun, m_bVertNegate != 0);
        m_dVV = vert.vv;
        m_dVU = vert.vu;
    }
    return true;
}

void CTextureSkewPage::EnableHorzGroup(bool enable) {
    m_btnHorzNegate.EnableWindow(enable);
    m_editHorzRise.EnableWindow(enable);
    m_editHorzRun.EnableWindow(enable);
    m_editHorzScale.EnableWindow(enable);
}

void CTextureSkewPage::EnableVertGroup(bool enable) {
    m_btnVertNegate.EnableWindow(enable);
    m_editVertRise.EnableWindow(enable);
    m_editVertRun.EnableWindow(enable);
    m_editVertScale.EnableWindow(enable);
}

// The box has already changed its state. Turning off the only group that was on
// hands "on" to the other group. The closing calculation only validates, so that
// a bad field is reported at once.
void CTextureSkewPage::OnHorzSkew() {
    if (!UpdateData(true))
        return;
    EnableHorzGroup(m_bHorzSkew != 0);
    if (m_bHorzSkew == 0 && m_bVertSkew == 0) {
        m_bVertSkew = 1;
        UpdateData(false);
        OnVertSkew();
    }
    Calculate();
}

void CTextureSkewPage::OnVertSkew() {
    if (!UpdateData(true))
        return;
    EnableVertGroup(m_bVertSkew != 0);
    if (m_bVertSkew == 0 && m_bHorzSkew == 0) {
        m_bHorzSkew = 1;
        UpdateData(false);
        OnHorzSkew();
    }
    Calculate();
}

void CTextureSkewPage::OnCmd() {
    if (NoGroupOn())
        return;
    if (!Calculate()) {
        s_pMainDlg->ClearCommand();
        return;
    }
    // The flags as just read. Both boxes can read clear only after a toggle that
    // stopped on a bad scale; there is nothing to apply then, and the pending
    // command must not go on offering an older command or an empty one.
    if (m_bHorzSkew != 0 && m_bVertSkew != 0)
        s_pMainDlg->PublishCommand(kestrow::FullSkewCommand(m_dUU, m_dVV, m_dUV, m_dVU),
                                   kestrow::kLabelTextureSkew);
    else if (m_bHorzSkew != 0)
        s_pMainDlg->PublishCommand(kestrow::HorzSkewCommand(m_dUU, m_dUV),
                                   kestrow::kLabelTextureSkew);
    else if (m_bVertSkew != 0)
        s_pMainDlg->PublishCommand(kestrow::VertSkewCommand(m_dVV, m_dVU),
                                   kestrow::kLabelTextureSkew);
    else
        s_pMainDlg->ClearCommand();
}
