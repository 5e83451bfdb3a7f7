#include "pages/CalcPage.h"

#include "ui/DataExchange.h"

CCalcPage::CCalcPage(int templateId, CCommandTarget* pMainDlg) : CDialog(templateId, pMainDlg) {}

void CCalcPage::RejectExpression(const kestrow::ExpressionField& field) {
    ShowMessage(kestrow::kExpressionRangeMessage);
    Window().FocusItem(field.id);
}

void CCalcPage::WindowExchange::operator()(const kestrow::IntField& field, int& value) {
    DDX_Text(m_pDX, field.id, value);
    DDV_MinMaxInt(m_pDX, value, field.min, field.max);
}

void CCalcPage::WindowExchange::operator()(const kestrow::NumberField& field, double& value) {
    DDX_Text(m_pDX, field.id, value);
    DDV_MinMaxDouble(m_pDX, value, field.min, field.max);
}

void CCalcPage::WindowExchange::operator()(const kestrow::ExpressionField& field, std::string& text,
                                           float&) {
    DDX_Text(m_pDX, field.id, text);
}

void CCalcPage::WindowExchange::operator()(const kestrow::CheckField& field, int& value) {
    DDX_Check(m_pDX, field.id, value);
}

void CCalcPage::WindowExchange::operator()(const kestrow::AxisField& field, int& value) {
    DDX_Radio(m_pDX, {field.uId, field.vId}, value);
}

void CCalcPage::WindowExchange::operator()(const kestrow::ResultField& field, int& value) {
    DDX_Text(m_pDX, field.id, value);
}

void CCalcPage::WindowExchange::operator()(const kestrow::ResultField& field, double& value) {
    DDX_Text(m_pDX, field.id, value);
}
