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

namespace {

template <class T>
std::optional<std::string> Accept(std::optional<T> read, T min, T max, const char* unreadable,
                                  T& value) {
    if (!read)
        return unreadable;
    if (auto failure = RangeFailure(*read, min, max))
        return failure;
    value = *read;
    return std::nullopt;
}

} // namespace

std::optional<std::string> ReadNumberField(std::string_view text, int min, int max, int& value) {
    return Accept(ParseIntText(text), min, max, kEnterIntegerMessage, value);
}

std::optional<std::string> ReadNumberField(std::string_view text, double min, double max,
                                           double& value) {
    return Accept(ParseNumberText(text), min, max, kEnterNumberMessage, value);
}

} // namespace kestrow
