#include "text/FieldMessages.h"

#include "text/NumberText.h"

namespace kestrow {

std::string IntRangeMessage(int min, int max) {
    return "Please enter an integer between " + std::to_string(min) + " and " +
           std::to_string(max) + ".";
}

std::string NumberRangeMessage(double min, double max) {
    return "Please enter a number between " + FormatGeneral(min, kFieldDigits) + " and " +
           FormatGeneral(max, kFieldDigits) + ".";
}

std::optional<std::string> RangeFailure(int value, int min, int max) {
    if (value >= min && value <= max)
        return std::nullopt;
    return IntRangeMessage(min, max);
}

std::optional<std::string> RangeFailure(double value, double min, double max) {
    if (value >= min && value <= max)
        return std::nullopt;
    return NumberRangeMessage(min, max);
}

FieldReading<int> ReadNumberField(std::string_view text, int min, int max) {
    const std::optional<int> value = ParseIntText(text);
    return {value, value ? RangeFailure(*value, min, max) : kEnterIntegerMessage};
}

FieldReading<double> ReadNumberField(std::string_view text, double min, double max) {
    const std::optional<double> value = ParseNumberText(text);
    return {value, value ? RangeFailure(*value, min, max) : kEnterNumberMessage};
}

} // namespace kestrow
