#include "text/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <system_error>

namespace kestrow {
namespace {

// printf treats a negative precision as if none were given.
constexpr int kDefaultPrecision = 6;

std::optional<std::string> NonFiniteText(double value) {
    if (std::isnan(value)) {
        return "nan";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-inf" : "inf";
    }
    return std::nullopt;
}

// One number printed with a "%.*X" format.
std::string FormatWith(const char* format, double value, int precision) {
    if (auto text = NonFiniteText(value)) {
        return *text;
    }
    if (precision < 0) {
        precision = kDefaultPrecision;
    }
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
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

size_t CountDigits(std::string_view text, size_t from) {
    size_t end = from;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
    return end - from;
}

// The parts of a well-formed decimal number, as positions into its text.
struct DecimalShape {
    size_t mantissaBegin = 0; // after the sign
    size_t integerDigits = 0;
    size_t fractionDigits = 0;
    size_t exponentBegin = 0; // the e/E, or the end of the text
};

std::optional<DecimalShape> MatchDecimal(std::string_view text) {
    DecimalShape shape;
    size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    shape.mantissaBegin = pos;
    shape.integerDigits = CountDigits(text, pos);
    pos += shape.integerDigits;
    if (pos < text.size() && text[pos] == '.') {
        shape.fractionDigits = CountDigits(text, pos + 1);
        pos += 1 + shape.fractionDigits;
    }
    if (shape.integerDigits + shape.fractionDigits == 0) {
        return std::nullopt;
    }
    shape.exponentBegin = pos;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        ++pos;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            ++pos;
        }
        const size_t exponentDigits = CountDigits(text, pos);
        if (exponentDigits == 0) {
            return std::nullopt;
        }
        pos += exponentDigits;
    }
    if (pos != text.size()) {
        return std::nullopt;
    }
    return shape;
}

// Decides whether an out-of-range number is huge or tiny: the power of ten of
// its first significant digit, with the exponent clamped far beyond any double.
bool IsHugeMagnitude(std::string_view text, const DecimalShape& shape) {
    constexpr long kClamp = 100000;
    long exponent = 0;
    bool negativeExponent = false;
    for (size_t pos = shape.exponentBegin + 1; pos < text.size(); ++pos) {
        if (text[pos] == '-') {
            negativeExponent = true;
        } else if (IsDigit(text[pos]) && exponent < kClamp) {
            exponent = exponent * 10 + (text[pos] - '0');
        }
    }
    if (negativeExponent) {
        exponent = -exponent;
    }
    const std::string_view digits = text.substr(shape.mantissaBegin);
    long leadingPower = 0;
    size_t pos = 0;
    while (pos < shape.integerDigits && digits[pos] == '0') {
        ++pos;
    }
    if (pos < shape.integerDigits) {
        leadingPower = static_cast<long>(shape.integerDigits - pos) - 1;
    } else {
        size_t zeros = 0;
        while (zeros < shape.fractionDigits && digits[shape.integerDigits + 1 + zeros] == '0') {
            ++zeros;
        }
        leadingPower = -static_cast<long>(zeros) - 1;
    }
    return leadingPower + exponent >= 0;
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
    if (text.size() == digitsBegin || CountDigits(text, digitsBegin) != text.size() - digitsBegin) {
        return std::nullopt;
    }
    // from_chars takes a minus sign but no plus sign.
    if (text.front() == '+') {
        text.remove_prefix(1);
    }
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> ParseNumberText(std::string_view text) {
    text = TrimBlanks(text);
    const auto shape = MatchDecimal(text);
    if (!shape) {
        return std::nullopt;
    }
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view unsignedText = text.substr(shape->mantissaBegin);
    double magnitude = 0.0;
    auto [end, error] =
        std::from_chars(unsignedText.data(), unsignedText.data() + unsignedText.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        magnitude = IsHugeMagnitude(text, *shape) ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{} || end != unsignedText.data() + unsignedText.size()) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

} // namespace kestrow
