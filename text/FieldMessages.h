#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrow {

// The significant digits a number field, a result field and a range message
// write a double with, as the framework writes it.
inline constexpr int kFieldDigits = 15;

// The texts the data exchange shows when a numeric field does not parse or lies
// outside its range.

inline constexpr const char* kEnterIntegerMessage = "Please enter an integer.";
inline constexpr const char* kEnterNumberMessage = "Please enter a number.";

// "Please enter an integer between MIN and MAX."
std::string IntRangeMessage(int min, int max);

// "Please enter a number between MIN and MAX.", the bounds with kFieldDigits.
std::string NumberRangeMessage(double min, double max);

// The window's message when a value lies outside its field's range, else none.
// A NaN lies in no range.
std::optional<std::string> RangeFailure(int value, int min, int max);
std::optional<std::string> RangeFailure(double value, double min, double max);

// A number field's text read as the window reads it: the window's message when
// the field is rejected; else none, and `value` holds the number. One name for
// both kinds, so that code over any field calls it alike.
std::optional<std::string> ReadNumberField(std::string_view text, int min, int max, int& value);
std::optional<std::string> ReadNumberField(std::string_view text, double min, double max,
                                           double& value);

} // namespace kestrow
