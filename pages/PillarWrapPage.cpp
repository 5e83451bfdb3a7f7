#include "pages/PillarWrapPage.h"

#include "res/resource.h"
#include "ui/MessageMap.h"

using namespace kestrow::pillar_wrap;

namespace {
// One sentence labels the texture count and the three results beside it.
constexpr ui::FieldLabel kLabels[] = {
    {IDC_PW_TEXWIDTH, "Texture &Width"},
    {IDC_PW_SIDES, "Number of &Sides"},
    {IDC_PW_RADIUS, "Ra&dius"},
    {IDC_PW_TEXCOUNT, "te&xture(s) will fit best using a scale of", "Number of textures"},
    {IDC_PW_BEST_SCALE, nullptr, kBestScale.caption},
    {IDC_PW_BEST_PAN, nullptr, kBestPan.caption},
    {IDC_PW_FRACTIONAL_ERROR, "with a &Total &Fractional &Error of", kFractionalError.caption},
    {IDC_PW_OTHER_SCALE, "&Other Scale"},
};
} // namespace

CCommandTarget* CPillarWrapPage::s_pMainDlg = nullptr;

CPillarWrapPage::CPillarWrapPage(CCommandTarget* pMainDlg)
    : CCalcPage(IDD_PILLAR_WRAP, pMainDlg, kLabels) {
    s_pMainDlg = pMainDlg;
}

void CPillarWrapPage::DoDataExchange(CDataExchange* pDX) {
    CCalcPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PW_RADIUS, m_editRadius);
    ExchangeForm(pDX, *this);
}

bool CPillarWrapPage::OnCommand(int id, int code) {
    static const CommandEntry<CPillarWrapPage> map[] = {
        {IDC_PW_CMD_SIMPLE_PAN, ui::kBnClicked, &CPillarWrapPage::OnCmdSimplePan},
        {IDC_PW_CMD_BEST_SCALE, ui::kBnClicked, &CPillarWrapPage::OnCmdBestScale},
        {IDC_PW_CMD_BEST_PAN, ui::kBnClicked, &CPillarWrapPage::OnCmdBestPan},
    };
    return Dispatch(*this, map, id, code) || CCalcPage::OnCommand(id, code);
}

bool CPillarWrapPage::Calculate() {
    if (!ReadAndCalculate(*s_pMainDlg, *this))
        return false;
    UpdateData(false);
    return true;
}

void CPillarWrapPage::OnCmdSimplePan() {
    PublishCommand(*s_pMainDlg, Calculate(), kCmdSimplePan, *this);
}

void CPillarWrapPage::OnCmdBestScale() {
    PublishCommand(*s_pMainDlg, Calculate(), kCmdBestScale, *this);
}

void CPillarWrapPage::OnCmdBestPan() {
    PublishCommand(*s_pMainDlg, Calculate(), kCmdBestPan, *this);
}
