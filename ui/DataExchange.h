#pragma once

#include "ui/WindowHost.h"

#include <initializer_list>
#include <string>

class CDialog;

// One run of a dialog's exchange table, in one direction, on the dialog's window.
// Reading stops at the first field that fails: the user has been told, the focus
// is on that field, and every later exchange in the table does nothing.
class CDataExchange {
public:
    CDataExchange(CDialog& dialog, ui::DialogWindow& window, bool saveAndValidate)
        : m_dialog(dialog), m_window(window), m_bSaveAndValidate(saveAndValidate) {}

    // Only for binding the dialog's controls to it.
    CDialog& m_dialog;
    ui::DialogWindow& m_window;
    const bool m_bSaveAndValidate;
    bool m_bFailed = false;

    bool Active() const { return !m_bFailed; }
    void PrepareCtrl(int id);
    void PrepareEditCtrl(int id);
    // Tells the user, then moves the focus to the field last prepared.
    void Fail(const std::string& message);

private:
    int m_idLastControl = 0;
    bool m_bEditLastControl = false;
};

void DDX_Text(CDataExchange* pDX, int id, int& value);
void DDX_Text(CDataExchange* pDX, int id, double& value);
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
void DDX_Check(CDataExchange* pDX, int id, int& value);
// The index of the checked button among the group's members, -1 when none is.
void DDX_Radio(CDataExchange* pDX, std::initializer_list<int> groupIds, int& value);
void DDV_MinMaxInt(CDataExchange* pDX, int value, int min, int max);
void DDV_MinMaxDouble(CDataExchange* pDX, double value, double min, double max);
