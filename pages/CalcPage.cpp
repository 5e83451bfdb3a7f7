#include "pages/CalcPage.h"

CCalcPage::CCalcPage(int templateId, CCommandTarget* pMainDlg) : CDialog(templateId, pMainDlg) {}

void CCalcPage::RejectExpression(const kestrow::ExpressionField& field) {
    ShowMessage(kestrow::kExpressionRangeMessage);
    Window().FocusItem(field.id);
}
