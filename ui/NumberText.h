#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kestrow {

// Number <-> text conversions with the same digits on every C runtime: they never
// go through printf or the current locale.

// printf "%.*f": the exact binary value rounded to `decimals` places.
// Infinities print as "inf"/"-inf", every NaN as "nan".
std::string FormatFixed(double value, int decimals);

// printf "%.*g" with `significant` significant digits; same inf/nan texts.
std::string FormatGeneral(double value, int significant);

// An integer field: optional blanks (space, tab) around one optional sign and
// decimal digits. Nothing else, and nothing outside the int range.
std::optional<int> ParseIntText(std::string_view text);

// A decimal number field: optional blanks around an optional sign, digits with
// an optional fraction and an optional exponent. No inf, nan or hex. A value
// beyond the double range saturates to infinity or zero, so that the field's
// range check reports it.
std::optional<double> ParseNumberText(std::string_view text);

} // namespace kestrow
