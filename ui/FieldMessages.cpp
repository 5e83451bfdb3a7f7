#include "ui/FieldMessages.h"

#include "ui/NumberText.h"

namespace kestrow {

// The framework prints a double field's range with 15 significant digits.
constexpr int kRangeDigits = 15;

std::string IntRangeMessage(int min, int max) {
    return "Please enter an integer between " + std::to_string(min) + " and " +
           std::to_string(max) + ".";
}

std::string NumberRangeMessage(double min, double max) {
    return "Please enter a number between " + FormatGeneral(min, kRangeDigits) + " and " +
           FormatGeneral(max, kRangeDigits) + ".";
}

} // namespace kestrow
