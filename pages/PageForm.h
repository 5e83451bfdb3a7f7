#pragma once

#include "eval/MessageSink.h"
#include "pages/FieldKinds.h"

#include <functional>
#include <string>
#include <type_traits>

// What the four page descriptions (pages/*Form.h) have in common. Each page
// describes itself once, for its window and for kestrow-cli alike:
//   - Form: its fields and results, as the window holds them, and the value of
//     each expression once evaluated;
//   - Exchange(x, form): every field and result in the window's exchange order,
//     which is also the order in which the number fields are checked; the
//     expressions are then evaluated in the same order;
//   - ComputeResults(form): the results from the fields, once all are accepted;
//   - Results(r, form): the results by name, in the order reports list them;
//   - Commands(form): the editor commands it can publish, each with one name.
namespace kestrow {

template <class Form> struct PageCommand {
    // The window shows "CMD: " and the name beside the command; kestrow-cli
    // reports it under the name.
    const char* name;
    // The command for the page as last calculated; empty when there is none.
    std::string (*text)(const Form&);
};

inline std::string CommandLabel(const char* name) {
    return std::string("CMD: ") + name;
}

// Whether a field passed to an exchange is of the kind K.
template <class K, class Field> constexpr bool kIsA = std::is_same_v<std::remove_cvref_t<Field>, K>;

using ExpressionCallback = std::function<void(const ExpressionField&)>;

// The expression rule: the evaluator reports to `owner`; a value out of range is
// handed to `reject`. False then.
bool EvaluateExpression(const ExpressionField& field, const std::string& text, float& value,
                        MessageSink& owner, const ExpressionCallback& reject);

// The rule on each expression field in exchange order, once the number fields are
// read; the first rejected field ends the reading. `accept`, if given, hears of
// each field accepted, once its evaluator messages are out.
template <class Form>
bool EvaluateExpressions(Form& form, MessageSink& owner, const ExpressionCallback& reject,
                         const ExpressionCallback& accept = nullptr) {
    bool accepted = true;
    Exchange(
        [&](const auto& field, auto&... values) {
            if constexpr (kIsA<ExpressionField, decltype(field)>) {
                accepted = accepted && EvaluateExpression(field, values..., owner, reject);
                if (accepted && accept)
                    accept(field);
            }
        },
        form);
    return accepted;
}

} // namespace kestrow
