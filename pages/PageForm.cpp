#include "pages/PageForm.h"

#include "eval/Evaluator.h"

namespace kestrow {

bool EvaluateExpression(const ExpressionField& field, const std::string& text, float& value,
                        MessageSink& owner, const ExpressionCallback& reject) {
    value = EvalExpression(owner, text);
    if (ExpressionValueAccepted(value, field.lowerBound))
        return true;
    reject(field);
    return false;
}

} // namespace kestrow
