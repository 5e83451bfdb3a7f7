#include "text/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace kestrow {
namespace {

// printf treats a negative precision as if none were given.
constexpr int kDefaultPrecision = 6;

std::optional<std::string> NonFiniteText(double value) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value < 0 ? "-inf" : "inf";
    return std::nullopt;
}

// One number printed with a "%.*X" format.
std::string FormatWith(const char* format, double value, int precision) {
    if (auto text = NonFiniteText(value))
        return *text;
    if (precision < 0)
        precision = kDefaultPrecision;
    std::string text(32, '\0');
    int length = std::snprintf(text.data(), text.size(), format, precision, value);
    if (length >= static_cast<int>(text.size())) {
        text.resize(static_cast<size_t>(length) + 1);
        length = std::snprintf(text.data(), text.size(), format, precision, value);
    }
    text.resize(length < 0 ? 0 : static_cast<size_t>(length));
    return text;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

size_t CountDigits(std::string_view text, size_t from) {
    size_t end = from;
    while (end < text.size() && IsDigit(text[end]))
        ++end;
    return end - from;
}

// Optional sign, digits with an optional fraction, an optional exponent.
bool IsDecimal(std::string_view text) {
    size_t pos = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    size_t digits = CountDigits(text, pos);
    pos += digits;
    if (pos < text.size() && text[pos] == '.') {
        const size_t fraction = CountDigits(text, pos + 1);
        digits += fraction;
        pos += 1 + fraction;
    }
    if (digits == 0)
        return false;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            ++pos;
        const size_t exponentDigits = CountDigits(text, pos);
        if (exponentDigits == 0)
            return false;
        pos += exponentDigits;
    }
    return pos == text.size();
}

} // namespace

std::string FormatFixed(double value, int decimals) {
    return FormatWith("%.*f", value, decimals);
}

std::string FormatGeneral(double value, int significant) {
    return FormatWith("%.*g", value, significant);
}

std::optional<int> ParseIntText(std::string_view text) {
    text = TrimBlanks(text);
    const bool hasSign = !text.empty() && (text.front() == '+' || text.front() == '-');
    const size_t digitsBegin = hasSign ? 1 : 0;
    if (text.size() == digitsBegin || CountDigits(text, digitsBegin) != text.size() - digitsBegin)
        return std::nullopt;
    // from_chars takes a minus sign but no plus sign.
    if (text.front() == '+')
        text.remove_prefix(1);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::optional<double> ParseNumberText(std::string_view text) {
    text = TrimBlanks(text);
    if (!IsDecimal(text))
        return std::nullopt;
    const bool negative = text.front() == '-';
    // from_chars takes a minus sign but no plus sign.
    const std::string_view unsignedText = text.substr(text.front() == '+' || negative ? 1 : 0);
    double magnitude = 0.0;
    auto [end, error] =
        std::from_chars(unsignedText.data(), unsignedText.data() + unsignedText.size(), magnitude);
    // Beyond the double range: strtod, in the C locale the programs never leave,
    // says which way, infinity or zero.
    if (error == std::errc::result_out_of_range)
        magnitude = std::strtod(std::string(unsignedText).c_str(), nullptr);
    else if (error != std::errc{} || end != unsignedText.data() + unsignedText.size())
        return std::nullopt;
    return negative ? -magnitude : magnitude;
}

} // namespace kestrow
