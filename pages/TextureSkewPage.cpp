#include "pages/TextureSkewPage.h"

#include "res/resource.h"
#include "ui/MessageMap.h"

using namespace kestrow::texture_skew;

namespace {
// Both groups have a Rise and a Run: the names say which group a field is in.
constexpr ui::FieldLabel kLabels[] = {
    {IDC_TS_VERT_RISE, "Ri&se", "Vertical rise"}, {IDC_TS_VERT_RUN, "Ru&n", "Vertical run"},
    {IDC_TS_VERT_SCALE, "&Vertical Scale"},       {IDC_TS_HORZ_RISE, "R&ise", "Horizontal rise"},
    {IDC_TS_HORZ_RUN, "R&un", "Horizontal run"},  {IDC_TS_HORZ_SCALE, "&Horizontal Scale"},
};
} // namespace

CCommandTarget* CTextureSkewPage::s_pMainDlg = nullptr;

CTextureSkewPage::CTextureSkewPage(CCommandTarget* pMainDlg)
    : CCalcPage(IDD_TEXTURE_SKEW, pMainDlg, kLabels) {
    s_pMainDlg = pMainDlg;
}

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
    ExchangeForm(pDX, *this);
}

bool CTextureSkewPage::OnCommand(int id, int code) {
    static const CommandEntry<CTextureSkewPage> map[] = {
        {IDC_TS_HORZ_SKEW, ui::kBnClicked, &CTextureSkewPage::OnHorzSkew},
        {IDC_TS_VERT_SKEW, ui::kBnClicked, &CTextureSkewPage::OnVertSkew},
        {IDC_TS_CMD, ui::kBnClicked, &CTextureSkewPage::OnCmd},
    };
    return Dispatch(*this, map, id, code) || CCalcPage::OnCommand(id, code);
}

bool CTextureSkewPage::Calculate() {
    if (NoGroupOn())
        return false;
    return ReadAndCalculate(*s_pMainDlg, *this);
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
    PublishCommand(*s_pMainDlg, Calculate(), kCmdTextureSkew, *this);
}
