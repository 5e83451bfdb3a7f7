#include "ui/Controls.h"

#include "ui/DataExchange.h"
#include "ui/Dialog.h"

#include <cstdlib>

void CControl::Bind(CDialog& dialog, int id) {
    m_pDialog = &dialog;
    m_id = id;
}

CDialog& CControl::Dialog() const {
    if (m_pDialog == nullptr)
        std::abort(); // used before its dialog's first data exchange bound it
    return *m_pDialog;
}

void CControl::EnableWindow(bool enable) {
    Dialog().Window().EnableItem(m_id, enable);
}

void CControl::SetFocus() {
    Dialog().Window().FocusItem(m_id);
}

void CControl::SetText(const std::string& text) {
    Dialog().Window().SetItemText(m_id, text);
}

void CEdit::SelectAll() {
    Dialog().Window().SelectAllItemText(Id());
}

void CTabCtrl::InsertItem(int index, const std::string& text) {
    Dialog().Window().InsertTabItem(Id(), index, text);
}

int CTabCtrl::GetCurSel() const {
    return Dialog().Window().GetTabSelection(Id());
}

void CTabCtrl::SetCurFocus(int index) {
    Dialog().Window().SwitchTab(Id(), index);
}

void DDX_Control(CDataExchange* pDX, int id, CControl& control) {
    if (pDX->Active() && !control.IsBound())
        control.Bind(pDX->m_dialog, id);
}
