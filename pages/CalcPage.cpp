#include "pages/CalcPage.h"

#include "app/MainDlg.h"
#include "eval/Evaluator.h"
#include "pages/FieldMessages.h"

CCalcPage::CCalcPage(int templateId, CMainDlg* pMainDlg) : CDialog(templateId, pMainDlg) {}

bool CCalcPage::EvalExpressionField(CMainDlg& mainDlg, const std::string& text, float lowerBound,
                                    CEdit& field, float& value) {
    kestrow::EvalExpression(mainDlg, text, value);
    if (kestrow::ExpressionValueAccepted(value, lowerBound))
        return true;
    ShowMessage(kestrow::kExpressionRangeMessage);
    field.SetFocus();
    return false;
}
