#include "pages/BevelScalePage.h"

#include "res/resource.h"
#include "ui/MessageMap.h"

using namespace kestrow::bevel_scale;

namespace {
// One sentence labels the texture count and the scale.
constexpr ui::FieldLabel kLabels[] = {
    {IDC_BS_TEXWIDTH, "Texture &Width"},
    {IDC_BS_RISE, "R&ise"},
    {IDC_BS_RUN, "R&un"},
    {IDC_BS_TEXCOUNT, "te&xture(s) will fit the bevel using a scale of", "Number of textures"},
    {IDC_BS_SCALE, nullptr, kScale.caption},
    {IDC_BS_OTHER_SCALE, "&Other Scale"},
};
} // namespace

CCommandTarget* CBevelScalePage::s_pMainDlg = nullptr;

CBevelScalePage::CBevelScalePage(CCommandTarget* pMainDlg)
    : CCalcPage(IDD_BEVEL_SCALE, pMainDlg, kLabels) {
    s_pMainDlg = pMainDlg;
}

void CBevelScalePage::DoDataExchange(CDataExchange* pDX) {
    CCalcPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BS_RUN, m_editRun);
    DDX_Control(pDX, IDC_BS_RISE, m_editRise);
    ExchangeForm(pDX, *this);
}

bool CBevelScalePage::OnCommand(int id, int code) {
    static const CommandEntry<CBevelScalePage> map[] = {
        {IDC_BS_CMD, ui::kBnClicked, &CBevelScalePage::OnCmdBevelScale},
    };
    return Dispatch(*this, map, id, code) || CCalcPage::OnCommand(id, code);
}

bool CBevelScalePage::Calculate() {
    if (!ReadAndCalculate(*s_pMainDlg, *this))
        return false;
    UpdateData(false);
    return true;
}

void CBevelScalePage::OnCmdBevelScale() {
    PublishCommand(*s_pMainDlg, Calculate(), kCmdBevelScale, *this);
}
