#pragma once

#include <optional>
#include <string>
#include <string_view>

// msvcrt's printf stops at 17 significant digits; MinGW-w64's own, which C++
// selects, rounds correctly.
#if defined(__MINGW32__) && !__USE_MINGW_ANSI_STDIO
#error "the number texts need MinGW-w64's own printf, not msvcrt's"
#endif

namespace kestrow {

// Number <-> text conversions with the same digits on every build. Numbers are
// written by the C library's printf, which rounds correctly in glibc and in
// MinGW-w64's own stdio (not in msvcrt's), in the C locale the programs never
// leave; texts are read by std::from_chars, never by the current locale.

// printf "%.*f": the exact binary value rounded to `decimals` places.
// Infinities print as "inf"/"-inf", every NaN as "nan".
std::string FormatFixed(double value, int decimals);

// printf "%.*g" with `significant` significant digits; same inf/nan texts.
std::string FormatGeneral(double value, int significant);

// The fewest significant digits that read back as exactly `value`, the nearest
// such text to it, in fixed or scientific notation, whichever is shorter (fixed
// when they tie, and then a whole number in full); same inf/nan texts.
std::string FormatShortest(double value);
std::string FormatShortest(float value);

// An integer field: optional blanks (space, tab) around one optional sign and
// decimal digits. Nothing else, and nothing outside the int range.
std::optional<int> ParseIntText(std::string_view text);

// A decimal number field: optional blanks around an optional sign, digits with
// an optional fraction and an optional exponent. No inf, nan or hex. A value
// beyond the double range saturates to infinity or zero, so that the field's
// range check reports it.
std::optional<double> ParseNumberText(std::string_view text);

} // namespace kestrow
