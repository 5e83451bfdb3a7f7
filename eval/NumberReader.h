#pragma once

#include <string_view>

#include "eval/ExpressionText.h"

namespace kestrow {

// Value of a run of decimal digits: blanks are skipped, any other character
// ends the scan.
float DigitValue(std::string_view digits);

// Reads the number that begins with `current` (a digit or "."), digit by digit
// in 32-bit steps so that the last bit matches what users have always been
// given (3.14 is 3.13999987, 0.9 is 0.900000036). Leaves the token after the
// number in `current`.
float ReadNumber(ExpressionText& text, Token& current);

} // namespace kestrow
