#pragma once

#include "pages/CommandTarget.h"
#include "ui/Controls.h"

#include <string>

// What every calculator page shares: it lives over the main window's tab control,
// ignores Enter (its hidden default button leads to an OK that does nothing),
// hides on Escape, and reads its expression fields by one rule.
class CCalcPage : public CDialog {
protected:
    CCalcPage(int templateId, CCommandTarget* pMainDlg);

    void OnOK() override {}

    // The expression-field rule: the evaluated text must lie in [lowerBound, 65535];
    // otherwise the page says so, the focus goes to the field, and the result is false.
    bool EvalExpressionField(CCommandTarget& mainDlg, const std::string& text, float lowerBound,
                             CEdit& field, float& value);
};
