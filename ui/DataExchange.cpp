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

namespace {

// A number field's text, read as the window reads it over every value of its
// type: the range is checked apart, by DDV_MinMaxInt or DDV_MinMaxDouble.
template <class T> void ExchangeNumber(CDataExchange* pDX, int id, T& value, std::string shown) {
    using Limits = std::numeric_limits<T>;
    constexpr T kHighest = Limits::has_infinity ? Limits::infinity() : Limits::max();
    constexpr T kLowest = Limits::has_infinity ? -Limits::infinity() : Limits::lowest();
    if (!pDX->Active())
        return;
    pDX->PrepareEditCtrl(id);
    if (!pDX->m_bSaveAndValidate)
        pDX->m_window.SetItemText(id, shown);
    else if (const auto message =
                 kestrow::ReadNumberField(pDX->m_window.GetItemText(id), kLowest, kHighest, value))
        pDX->Fail(*message);
}

template <class T> void CheckRange(CDataExchange* pDX, T value, T min, T max) {
    if (!pDX->Active() || !pDX->m_bSaveAndValidate)
        return;
    if (const auto message = kestrow::RangeFailure(value, min, max))
        pDX->Fail(*message);
}

} // namespace

void DDX_Text(CDataExchange* pDX, int id, int& value) {
    ExchangeNumber(pDX, id, value, std::to_string(value));
}

void DDX_Text(CDataExchange* pDX, int id, double& value) {
    ExchangeNumber(pDX, id, value, kestrow::FormatGeneral(value, kestrow::kFieldDigits));
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
    CheckRange(pDX, value, min, max);
}

void DDV_MinMaxDouble(CDataExchange* pDX, double value, double min, double max) {
    CheckRange(pDX, value, min, max);
}
