#include "pages/FloorScalePage.h"

#include "res/resource.h"
#include "ui/MessageMap.h"

#include <utility>

using namespace kestrow::floor_scale;

namespace {
// Each row is one sentence that labels a stretch and a length.
constexpr ui::FieldLabel kLabels[] = {
    {IDC_FS_TEXWIDTH, "Texture &Width"},
    {IDC_FS_TEXHEIGHT, "Texture &Height"},
    {IDC_FS_STRETCH_X, "&Stretch", "Stretch X"},
    {IDC_FS_LENGTH_X, "textures across an &X of", "Length X"},
    {IDC_FS_STRETCH_Y, "a&nd", "Stretch Y"},
    {IDC_FS_LENGTH_Y, "textures across an &Y of", "Length Y"},
};
} // namespace

CCommandTarget* CFloorScalePage::s_pMainDlg = nullptr;

CFloorScalePage::CFloorScalePage(CCommandTarget* pMainDlg)
    : CCalcPage(IDD_FLOOR_SCALE, pMainDlg, kLabels) {
    s_pMainDlg = pMainDlg;
}

void CFloorScalePage::DoDataExchange(CDataExchange* pDX) {
    CCalcPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FS_LENGTH_Y, m_editLengthY);
    DDX_Control(pDX, IDC_FS_LENGTH_X, m_editLengthX);
    ExchangeForm(pDX, *this);
}

bool CFloorScalePage::OnCommand(int id, int code) {
    static const CommandEntry<CFloorScalePage> map[] = {
        {IDC_FS_CMD, ui::kBnClicked, &CFloorScalePage::OnCmd},
        {IDC_FS_SWAP_LENGTHS, ui::kBnClicked, &CFloorScalePage::OnSwapLengths},
        {IDC_FS_SWAP_STRETCH, ui::kBnClicked, &CFloorScalePage::OnSwapStretch},
        {IDC_FS_SWAP_SIZE, ui::kBnClicked, &CFloorScalePage::OnSwapSize},
    };
    return Dispatch(*this, map, id, code) || CCalcPage::OnCommand(id, code);
}

// The fields are not rewritten: the page has no results to show.
bool CFloorScalePage::Calculate() {
    return ReadAndCalculate(*s_pMainDlg, *this);
}

void CFloorScalePage::OnCmd() {
    PublishCommand(*s_pMainDlg, Calculate(), kCmdFloorScale, *this);
}

template <class T> void CFloorScalePage::SwapFields(T& first, T& second) {
    if (!UpdateData(true))
        return;
    std::swap(first, second);
    UpdateData(false);
}

void CFloorScalePage::OnSwapSize() {
    SwapFields(m_nTexWidth, m_nTexHeight);
}

void CFloorScalePage::OnSwapStretch() {
    SwapFields(m_dStretchX, m_dStretchY);
}

// The length texts trade places as typed; neither is evaluated.
void CFloorScalePage::OnSwapLengths() {
    SwapFields(m_strLengthX, m_strLengthY);
}
