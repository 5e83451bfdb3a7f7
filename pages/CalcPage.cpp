#include "pages/CalcPage.h"

CCalcPage::CCalcPage(int templateId, CCommandTarget* pMainDlg,
                     std::span<const ui::FieldLabel> labels)
    : CDialog(templateId, pMainDlg, labels) {}

void CCalcPage::RejectExpression(const kestrow::ExpressionField& field) {
    ShowMessage(kestrow::kExpressionRangeMessage);
    Window().FocusItem(field.id);
}
