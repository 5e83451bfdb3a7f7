#pragma once

#include <string>

namespace kestrow {

// The texts the dialog framework shows when a numeric field does not parse or
// lies outside its range, and the text of the expression-field rule.

inline constexpr const char* kEnterIntegerMessage = "Please enter an integer.";
inline constexpr const char* kEnterNumberMessage = "Please enter a number.";
inline constexpr const char* kExpressionRangeMessage =
    "Please enter an integer expression from 1 to 65535";

// The upper bound of every expression field.
inline constexpr float kExpressionUpperBound = 65535.0f;

// "Please enter an integer between MIN and MAX."
std::string IntRangeMessage(int min, int max);

// "Please enter a number between MIN and MAX.", the bounds with 15 significant digits.
std::string NumberRangeMessage(double min, double max);

// The expression-field rule's test: lowerBound <= value <= 65535; NaN fails.
bool ExpressionValueAccepted(float value, float lowerBound);

} // namespace kestrow
