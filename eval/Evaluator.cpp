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

bool EvalExpression(MessageSink& owner, std::string text, float& result) {
    float value = 0;
    if (!BracketCountsMatch(text)) {
        owner.ShowMessage("Mismatched brackets.");
    } else {
        ExpressionText expression{std::move(text)};
        if (!EvalSubexpression(owner, expression, value, 0)) {
            owner.ShowMessage("Error in expression.");
            value = 0;
        }
    }
    result = value;
    return true;
}

} // namespace kestrow
