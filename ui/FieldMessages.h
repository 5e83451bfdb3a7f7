#pragma once

#include <string>

namespace kestrow {

// The texts the data exchange shows when a numeric field does not parse or lies
// outside its range.

inline constexpr const char* kEnterIntegerMessage = "Please enter an integer.";
inline constexpr const char* kEnterNumberMessage = "Please enter a number.";

// "Please enter an integer between MIN and MAX."
std::string IntRangeMessage(int min, int max);

// "Please enter a number between MIN and MAX.", the bounds with 15 significant digits.
std::string NumberRangeMessage(double min, double max);

} // namespace kestrow
