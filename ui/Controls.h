#pragma once

#include <string>

class CDataExchange;
class CDialog;

// A control of a dialog, bound by data exchange so that the code can address it.
class CControl {
public:
    void Bind(CDialog& dialog, int id);
    bool IsBound() const { return m_pDialog != nullptr; }
    int Id() const { return m_id; }

    void EnableWindow(bool enable = true);
    void SetFocus();
    void SetText(const std::string& text);

protected:
    CDialog& Dialog() const;

private:
    CDialog* m_pDialog = nullptr;
    int m_id = 0;
};

class CButton : public CControl {};

class CEdit : public CControl {
public:
    void SelectAll();
};

class CTabCtrl : public CControl {
public:
    void InsertItem(int index, const std::string& text);
    int GetCurSel() const;
    // Selects the item as a click on it would, notifications included.
    void SetCurFocus(int index);
};

// Binds the control to the dialog being exchanged, the first time only.
void DDX_Control(CDataExchange* pDX, int id, CControl& control);
