#pragma once

#include <optional>

#include "eval/ExpressionText.h"
#include "eval/MessageSink.h"

namespace kestrow {

// Precedence of an infix operator token: "*" 3, "/" and "%" 2, "+" and "-" 1.
// Any other token has none.
std::optional<int> InfixPrecedence(const Token& token);

// "-", "+" and "@" (square root).
bool IsPrefixOperator(const Token& token);

// Each returns nothing after telling the owner why the step is refused.
std::optional<float> ApplyPrefix(MessageSink& owner, char op, float operand);
std::optional<float> ApplyInfix(MessageSink& owner, char op, float left, float right);

// Remainder of `dividend` by `divisor`, both truncated toward zero; the divisor
// must not truncate to 0.
float TruncatedRemainder(float dividend, float divisor);

} // namespace kestrow
