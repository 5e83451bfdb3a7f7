#include "eval/Evaluator.h"

#include <algorithm>
#include <utility>

#include "eval/ExpressionText.h"
#include "eval/Subexpression.h"

namespace kestrow {
namespace {

// Only the counts are compared, not the order: ")(" passes here and fails later.
bool BracketCountsMatch(const std::string& text) {
    return std::count(text.begin(), text.end(), '(') == std::count(text.begin(), text.end(), ')');
}

} // namespace

float EvalExpression(MessageSink& owner, std::string text) {
    if (!BracketCountsMatch(text)) {
        owner.ShowMessage("Mismatched brackets.");
        return 0;
    }
    float value = 0;
    ExpressionText expression{std::move(text)};
    if (EvalSubexpression(owner, expression, value, 0))
        return value;
    owner.ShowMessage("Error in expression.");
    return 0;
}

} // namespace kestrow
