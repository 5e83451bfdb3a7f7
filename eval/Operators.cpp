#include "eval/Operators.h"

#include <cmath>

namespace kestrow {

std::optional<int> InfixPrecedence(const Token& token) {
    if (token.atEnd)
        return std::nullopt;
    switch (token.character) {
    case '+':
    case '-':
        return 1;
    case '/':
    case '%':
        return 2;
    case '*':
        return 3;
    default:
        return std::nullopt;
    }
}

bool IsPrefixOperator(const Token& token) {
    return token.Is('-') || token.Is('+') || token.Is('@');
}

std::optional<float> ApplyPrefix(MessageSink& owner, char op, float operand) {
    switch (op) {
    case '-':
        return -operand;
    case '@':
        if (operand < 0 || std::isnan(operand)) {
            owner.ShowMessage("Can't take square root of negative number");
            return std::nullopt;
        }
        return std::sqrt(operand);
    default:
        return operand;
    }
}

std::optional<float> ApplyInfix(MessageSink& owner, char op, float left, float right) {
    switch (op) {
    case '+':
        return left + right;
    case '-':
        return left - right;
    case '*':
        return left * right;
    case '/':
        if (right == 0 || std::isnan(right)) {
            owner.ShowMessage("Division by zero isn't allowed");
            return std::nullopt;
        }
        return left / right;
    case '%':
        // A divisor such as 0.5 would be an integer division by zero.
        if (std::isnan(right) || std::trunc(right) == 0) {
            owner.ShowMessage("Modulo zero isn't allowed");
            return std::nullopt;
        }
        return TruncatedRemainder(left, right);
    default:
        return left;
    }
}

// fmod of the truncated operands is exact: it is the 32-bit integer remainder
// (sign of the dividend) wherever both fit an int, and the exact truncating
// remainder beyond, with no conversion to int that could overflow, so
// INT_MIN % -1 is 0 and 3000000000 % 7 is 4. An infinite dividend gives NaN.
// A zero remainder is +0, as it is through an int: -6%3 must not print as -0.
float TruncatedRemainder(float dividend, float divisor) {
    const double remainder = std::fmod(std::trunc(static_cast<double>(dividend)),
                                       std::trunc(static_cast<double>(divisor)));
    if (remainder == 0)
        return 0;
    return static_cast<float>(remainder);
}

} // namespace kestrow
