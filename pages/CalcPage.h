#pragma once

#include "pages/CommandTarget.h"
#include "pages/PageForm.h"
#include "ui/Controls.h"
#include "ui/DataExchange.h"

#include <span>
#include <string>
#include <type_traits>

// What every calculator page shares: it lives over the main window's tab control,
// ignores Enter (its hidden default button leads to an OK that does nothing),
// hides on Escape, and reads, calculates and publishes by its description.
class CCalcPage : public CDialog {
protected:
    CCalcPage(int templateId, CCommandTarget* pMainDlg, std::span<const ui::FieldLabel> labels);

    void OnOK() override {}

    // The page's fields and results through the data exchange, in the order its
    // description gives.
    template <class Form> void ExchangeForm(CDataExchange* pDX, Form& form) {
        Exchange(WindowExchange{pDX}, form);
    }

    // Reads the number fields (the data exchange checks them), then each
    // expression by the expression rule, its evaluator messages owned by the main
    // window; once all are accepted, calculates the results.
    template <class Form> bool ReadAndCalculate(CCommandTarget& mainDlg, Form& form) {
        if (!UpdateData(true))
            return false;
        if (!kestrow::EvaluateExpressions(
                form, mainDlg, [this](const kestrow::ExpressionField& f) { RejectExpression(f); }))
            return false;
        ComputeResults(form);
        return true;
    }

    // The command for the page as just calculated; none, when the page could not
    // be calculated or has nothing to publish, clears the pending command.
    template <class Form>
    void PublishCommand(CCommandTarget& mainDlg, bool calculated,
                        const kestrow::PageCommand<Form>& command,
                        const std::type_identity_t<Form>& form) {
        const std::string text = calculated ? command.text(form) : std::string();
        if (text.empty())
            mainDlg.ClearCommand();
        else
            mainDlg.PublishCommand(text, kestrow::CommandLabel(command.name));
    }

private:
    // Each field through the framework's data exchange: the inputs with their
    // range checks, the expressions as their texts, the results as shown.
    struct WindowExchange {
        CDataExchange* pDX;
        template <class Field, class Value, class... Evaluated>
        void operator()(const Field& field, Value& value, Evaluated&...) const {
            using namespace kestrow;
            if constexpr (kIsA<CheckField, Field>)
                DDX_Check(pDX, field.id, value);
            else if constexpr (kIsA<AxisField, Field>)
                DDX_Radio(pDX, {field.uId, field.vId}, value);
            else
                DDX_Text(pDX, field.id, value);
            if constexpr (kIsA<IntField, Field>)
                DDV_MinMaxInt(pDX, value, field.min, field.max);
            if constexpr (kIsA<NumberField, Field>)
                DDV_MinMaxDouble(pDX, value, field.min, field.max);
        }
    };

    // The page says so, and the focus goes to the field.
    void RejectExpression(const kestrow::ExpressionField& field);
};
