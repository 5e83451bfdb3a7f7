#include "pages/CalcPage.h"

#include "eval/Evaluator.h"
#include "pages/FieldKinds.h"

CCalcPage::CCalcPage(int templateId, CCommandTarget* pMainDlg) : CDialog(templateId, pMainDlg) {}

bool CCalcPage::EvalExpressionField(CCommandTarget& mainDlg, const std::string& text,
                                    float lowerBound, CEdit& field, float& value) {
    kestrow::EvalExpression(mainDlg, text, value);
    if (kestrow::ExpressionValueAccepted(value, lowerBound))
        return true;
    ShowMessage(kestrow::kExpressionRangeMessage);
    field.SetFocus();
    return false;
}
