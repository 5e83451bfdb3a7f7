#include "ui/DataExchange.h"

#include "text/FieldMessages.h"
#include "text/NumberText.h"

#include <limits>

void CDataExchange::PrepareCtrl(int id) {
    m_idLastControl = id;
    m_bEditLastControl = false;
}

void CDataExchange::PrepareEditCtrl(int id) {
    m_idLastControl = id;
    m_bEditLastControl = true;
}

void CDataExchange::Fail(const std::string& message) {
    m_window.ShowMessageBox(message, ui::kAppName);
    if (m_idLastControl != 0)
        m_window.FocusItem(m_idLastControl);
    m_bFailed = true;
}

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    if (!pDX->Active())
        return;
    pDX->PrepareEditCtrl(id);
    ui::DialogWindow& window = pDX->m_window;
    if (!pDX->m_bSaveAndValidate) {
        window.SetItemText(id, std::to_string(value));
        return;
    }
    // The range is checked apart, by DDV_MinMaxInt.
    if (const auto message =
            kestrow::ReadNumberField(window.GetItemText(id), std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max(), value))
        pDX->Fail(*message);
}

void DDX_Text(CDataExchange* pDX, int id, double& value) {
    if (!pDX->Active())
        return;
    pDX->PrepareEditCtrl(id);
    ui::DialogWindow& window = pDX->m_window;
    if (!pDX->m_bSaveAndValidate) {
        window.SetItemText(id, kestrow::FormatGeneral(value, kestrow::kFieldDigits));
        return;
    }
    constexpr double kEverything = std::numeric_limits<double>::infinity();
    if (const auto message =
            kestrow::ReadNumberField(window.GetItemText(id), -kEverything, kEverything, value))
        pDX->Fail(*message);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
    if (!pDX->Active())
        return;
    pDX->PrepareEditCtrl(id);
    ui::DialogWindow& window = pDX->m_window;
    if (pDX->m_bSaveAndValidate)
        value = window.GetItemText(id);
    else
        window.SetItemText(id, value);
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    if (!pDX->Active())
        return;
    pDX->PrepareCtrl(id);
    ui::DialogWindow& window = pDX->m_window;
    if (pDX->m_bSaveAndValidate)
        value = window.IsItemChecked(id) ? 1 : 0;
    else
        window.SetItemChecked(id, value != 0);
}

void DDX_Radio(CDataExchange* pDX, std::initializer_list<int> groupIds, int& value) {
    if (!pDX->Active() || groupIds.size() == 0)
        return;
    pDX->PrepareCtrl(*groupIds.begin());
    ui::DialogWindow& window = pDX->m_window;
    int index = 0;
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (int id : groupIds) {
            if (window.IsItemChecked(id)) {
                value = index;
                break;
            }
            ++index;
        }
        return;
    }
    for (int id : groupIds)
        window.SetItemChecked(id, index++ == value);
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int min, int max) {
    if (!pDX->Active() || !pDX->m_bSaveAndValidate)
        return;
    if (const auto message = kestrow::RangeFailure(value, min, max))
        pDX->Fail(*message);
}

void DDV_MinMaxDouble(CDataExchange* pDX, double value, double min, double max) {
    if (!pDX->Active() || !pDX->m_bSaveAndValidate)
        return;
    if (const auto message = kestrow::RangeFailure(value, min, max))
        pDX->Fail(*message);
}
