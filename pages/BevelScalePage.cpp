#include "pages/BevelScalePage.h"

#include "pages/BevelScaleCalc.h"
#include "pages/CommandText.h"
#include "res/resource.h"
#include "ui/DataExchange.h"
#include "ui/MessageMap.h"

using namespace kestrow::bevel_scale;

CCommandTarget* CBevelScalePage::s_pMainDlg = nullptr;

CBevelScalePage::CBevelScalePage(CCommandTarget* pMainDlg) : CCalcPage(IDD_BEVEL_SCALE, pMainDlg) {
    s_pMainDlg = pMainDlg;
}

void CBevelScalePage::DoDataExchange(CDataExchange* pDX) {
    CCalcPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_BS_RUN, m_editRun);
    DDX_Control(pDX, IDC_BS_RISE, m_editRise);
    DDX_Text(pDX, IDC_BS_TEXCOUNT, m_dTextureCount);
    DDV_MinMaxDouble(pDX, m_dTextureCount, kTextureCount.min, kTextureCount.max);
    DDX_Text(pDX, IDC_BS_SCALE, m_dBevelScale);
    DDX_Text(pDX, IDC_BS_OTHER_SCALE, m_dOtherScale);
    DDV_MinMaxDouble(pDX, m_dOtherScale, kOtherScale.min, kOtherScale.max);
    DDX_Text(pDX, IDC_BS_TEXWIDTH, m_nTexWidth);
    DDV_MinMaxInt(pDX, m_nTexWidth, kTexWidth.min, kTexWidth.max);
    DDX_Radio(pDX, {IDC_BS_APPLY_U, IDC_BS_APPLY_V}, m_nApplyTo);
    DDX_Text(pDX, IDC_BS_RISE, m_strRise);
    DDX_Text(pDX, IDC_BS_RUN, m_strRun);
}

bool CBevelScalePage::OnCommand(int id, int code) {
    static const CommandEntry<CBevelScalePage> map[] = {
        {IDC_BS_CMD, ui::kBnClicked, &CBevelScalePage::OnCmdBevelScale},
    };
    return DispatchCommand(*this, map, id, code) || CCalcPage::OnCommand(id, code);
}

bool CBevelScalePage::Calculate() {
    if (!UpdateData(true))
        return false;
    float rise = 0.0f;
    if (!EvalExpressionField(*s_pMainDlg, m_strRise, kRise.lowerBound, m_editRise, rise))
        return false;
    float run = 0.0f;
    if (!EvalExpressionField(*s_pMainDlg, m_strRun, kRun.lowerBound, m_editRun, run))
        return false;
    m_dBevelScale = kestrow::ComputeBevelScale(rise, run, m_nTexWidth, m_dTextureCount);
    UpdateData(false);
    return true;
}

void CBevelScalePage::OnCmdBevelScale() {
    if (!Calculate()) {
        s_pMainDlg->ClearCommand();
        return;
    }
    const char axis = m_nApplyTo == 0 ? 'U' : 'V';
    s_pMainDlg->PublishCommand(kestrow::FittedScaleCommand(axis, m_dBevelScale, m_dOtherScale),
                               kestrow::kLabelBevelScale);
}
