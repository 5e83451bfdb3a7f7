#include "pages/PillarWrapPage.h"

#include "pages/CommandText.h"
#include "pages/PillarWrapCalc.h"
#include "res/resource.h"
#include "ui/DataExchange.h"
#include "ui/MessageMap.h"

using namespace kestrow::pillar_wrap;

CCommandTarget* CPillarWrapPage::s_pMainDlg = nullptr;

CPillarWrapPage::CPillarWrapPage(CCommandTarget* pMainDlg) : CCalcPage(IDD_PILLAR_WRAP, pMainDlg) {
    s_pMainDlg = pMainDlg;
}

// The result fields are exchanged between the inputs, so this order is also the
// order in which input errors are reported.
void CPillarWrapPage::DoDataExchange(CDataExchange* pDX) {
    CCalcPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PW_RADIUS, m_editRadius);
    DDX_Check(pDX, IDC_PW_ALIGN_TO_SIDE, m_bAlignToSide);
    DDX_Text(pDX, IDC_PW_CIRCUMFERENCE, m_dCircumference);
    DDX_Text(pDX, IDC_PW_FRACTIONAL_ERROR, m_dFractionalError);
    DDX_Check(pDX, IDC_PW_NEGATE_PAN, m_bNegatePan);
    DDX_Text(pDX, IDC_PW_SIDES, m_nSides);
    DDV_MinMaxInt(pDX, m_nSides, kSides.min, kSides.max);
    DDX_Text(pDX, IDC_PW_OTHER_SCALE, m_dOtherScale);
    DDV_MinMaxDouble(pDX, m_dOtherScale, kOtherScale.min, kOtherScale.max);
    DDX_Text(pDX, IDC_PW_TEXCOUNT, m_dTextureCount);
    DDV_MinMaxDouble(pDX, m_dTextureCount, kTextureCount.min, kTextureCount.max);
    DDX_Text(pDX, IDC_PW_BEST_PAN, m_nBestPan);
    DDX_Text(pDX, IDC_PW_BEST_SCALE, m_dBestScale);
    DDX_Text(pDX, IDC_PW_SIMPLE_PAN, m_nSimplePan);
    DDX_Text(pDX, IDC_PW_TEXWIDTH, m_nTexWidth);
    DDV_MinMaxInt(pDX, m_nTexWidth, kTexWidth.min, kTexWidth.max);
    DDX_Radio(pDX, {IDC_PW_APPLY_U, IDC_PW_APPLY_V}, m_nApplyTo);
    DDX_Text(pDX, IDC_PW_RADIUS, m_strRadius);
}

bool CPillarWrapPage::OnCommand(int id, int code) {
    static const CommandEntry<CPillarWrapPage> map[] = {
        {IDC_PW_CMD_SIMPLE_PAN, ui::kBnClicked, &CPillarWrapPage::OnCmdSimplePan},
        {IDC_PW_CMD_BEST_SCALE, ui::kBnClicked, &CPillarWrapPage::OnCmdBestScale},
        {IDC_PW_CMD_BEST_PAN, ui::kBnClicked, &CPillarWrapPage::OnCmdBestPan},
    };
    return DispatchCommand(*this, map, id, code) || CCalcPage::OnCommand(id, code);
}

bool CPillarWrapPage::Calculate() {
    if (!UpdateData(true))
        return false;
    float radius = 0.0f;
    if (!EvalExpressionField(*s_pMainDlg, m_strRadius, kRadius.lowerBound, m_editRadius, radius))
        return false;
    const kestrow::PillarWrapResult result = kestrow::ComputePillarWrap(
        radius, m_nSides, m_bAlignToSide != 0, m_bNegatePan != 0, m_nTexWidth, m_dTextureCount);
    m_dCircumference = result.circumference;
    m_nSimplePan = result.simplePan;
    m_dBestScale = result.bestScale;
    m_nBestPan = result.bestPan;
    m_dFractionalError = result.fractionalError;
    UpdateData(false);
    return true;
}

void CPillarWrapPage::OnCmdSimplePan() {
    if (!Calculate()) {
        s_pMainDlg->ClearCommand();
        return;
    }
    s_pMainDlg->PublishCommand(kestrow::TexPanCommand(ApplyAxis(), m_nSimplePan),
                               kestrow::kLabelSimplePan);
}

void CPillarWrapPage::OnCmdBestScale() {
    if (!Calculate()) {
        s_pMainDlg->ClearCommand();
        return;
    }
    s_pMainDlg->PublishCommand(
        kestrow::FittedScaleCommand(ApplyAxis(), m_dBestScale, m_dOtherScale),
        kestrow::kLabelBestScale);
}

void CPillarWrapPage::OnCmdBestPan() {
    if (!Calculate()) {
        s_pMainDlg->ClearCommand();
        return;
    }
    s_pMainDlg->PublishCommand(kestrow::TexPanCommand(ApplyAxis(), m_nBestPan),
                               kestrow::kLabelBestPan);
}
