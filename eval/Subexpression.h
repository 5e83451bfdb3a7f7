#pragma once

#include "eval/ExpressionText.h"
#include "eval/MessageSink.h"

namespace kestrow {

// Evaluates one level of precedence-climbing descent from the cursor of `text`:
// one value, then every infix operator whose precedence is at least
// `precedence`, with its right operand. On true, `result` holds the value and
// the cursor stands after the level's stretch; a ")" or an infix operator that
// ended the level is left to be read again. On false the owner has been told
// why and `result` is untouched.
//
// A failure inside brackets or under a prefix operator fails the enclosing
// level too; a failure in the right operand of an infix operator is absorbed:
// that level returns true with its left-hand value.
bool EvalSubexpression(MessageSink& owner, ExpressionText& text, float& result, int precedence);

} // namespace kestrow
