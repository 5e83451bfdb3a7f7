#include "pages/FloorScalePage.h"

#include "pages/CommandText.h"
#include "pages/FloorScaleCalc.h"
#include "res/resource.h"
#include "ui/DataExchange.h"
#include "ui/MessageMap.h"

#include <utility>

using namespace kestrow::floor_scale;

CCommandTarget* CFloorScalePage::s_pMainDlg = nullptr;

CFloorScalePage::CFloorScalePage(CCommandTarget* pMainDlg) : CCalcPage(IDD_FLOOR_SCALE, pMainDlg) {
    s_pMainDlg = pMainDlg;
}

void CFloorScalePage::DoDataExchange(CDataExchange* pDX) {
    CCalcPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FS_LENGTH_Y, m_editLengthY);
    DDX_Control(pDX, IDC_FS_LENGTH_X, m_editLengthX);
    DDX_Text(pDX, IDC_FS_TEXWIDTH, m_nTexWidth);
    DDV_MinMaxInt(pDX, m_nTexWidth, kTexWidth.min, kTexWidth.max);
    DDX_Text(pDX, IDC_FS_TEXHEIGHT, m_nTexHeight);
    DDV_MinMaxInt(pDX, m_nTexHeight, kTexHeight.min, kTexHeight.max);
    DDX_Text(pDX, IDC_FS_STRETCH_X, m_dStretchX);
    DDV_MinMaxDouble(pDX, m_dStretchX, kStretchX.min, kStretchX.max);
    DDX_Text(pDX, IDC_FS_STRETCH_Y, m_dStretchY);
    DDV_MinMaxDouble(pDX, m_dStretchY, kStretchY.min, kStretchY.max);
    DDX_Text(pDX, IDC_FS_LENGTH_X, m_strLengthX);
    DDX_Text(pDX, IDC_FS_LENGTH_Y, m_strLengthY);
}

bool CFloorScalePage::OnCommand(int id, int code) {
    static const CommandEntry<CFloorScalePage> map[] = {
        {IDC_FS_CMD, ui::kBnClicked, &CFloorScalePage::OnCmd},
        {IDC_FS_SWAP_LENGTHS, ui::kBnClicked, &CFloorScalePage::OnSwapLengths},
        {IDC_FS_SWAP_STRETCH, ui::kBnClicked, &CFloorScalePage::OnSwapStretch},
        {IDC_FS_SWAP_SIZE, ui::kBnClicked, &CFloorScalePage::OnSwapSize},
    };
    return DispatchCommand(*this, map, id, code) || CCalcPage::OnCommand(id, code);
}

// The fields are not rewritten: the page has no results to show.
bool CFloorScalePage::Calculate() {
    if (!UpdateData(true))
        return false;
    float lengthX = 0.0f;
    if (!EvalExpressionField(*s_pMainDlg, m_strLengthX, kLengthX.lowerBound, m_editLengthX,
                             lengthX))
        return false;
    float lengthY = 0.0f;
    if (!EvalExpressionField(*s_pMainDlg, m_strLengthY, kLengthY.lowerBound, m_editLengthY,
                             lengthY))
        return false;
    const kestrow::FloorScaleResult result = kestrow::ComputeFloorScale(
        m_nTexWidth, m_nTexHeight, m_dStretchX, m_dStretchY, lengthX, lengthY);
    m_dScaleU = result.scaleU;
    m_dScaleV = result.scaleV;
    return true;
}

void CFloorScalePage::OnCmd() {
    if (!Calculate()) {
        s_pMainDlg->ClearCommand();
        return;
    }
    s_pMainDlg->PublishCommand(kestrow::TexScaleCommand(m_dScaleU, m_dScaleV),
                               kestrow::kLabelFloorScale);
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
