#include "ui/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <system_error>

// msvcrt's printf stops at 17 significant digits; MinGW-w64's own, which C++
// selects, rounds correctly.
#if defined(__MINGW32__) && !__USE_MINGW_ANSI_STDIO
#error "the number texts need MinGW-w64's own printf, not msvcrt's"
#endif

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
std::string Printed(const char* format, int precision, double value) {
    std::string text(32, '\0');
    int length = std::snprintf(text.data(), text.size(), format, precision, value);
    if (length >= static_cast<int>(text.size())) {
        text.resize(static_cast<size_t>(length) + 1);
        length = std::snprintf(text.data(), text.size(), format, precision, value);
    }
    text.resize(length < 0 ? 0 : static_cast<size_t>(length));
    return text;
}

std::string FormatWith(const char* format, double value, int precision) {
    if (auto text = NonFiniteText(value)) {
        return *text;
    }
    return Printed(format, precision < 0 ? kDefaultPrecision : precision, value);
}

// A decimal in scientific form: digits[0].digits[1...] times ten to `exponent`.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;

    std::string Text() const {
        return (negative ? "-" : "") + digits.substr(0, 1) + "." + digits.substr(1) + "e" +
               std::to_string(exponent);
    }
};

// printf's "%.*e" with `digits` significant digits: the nearest such decimal.
Decimal Nearest(double value, int digits) {
    const std::string text = Printed("%.*e", digits - 1, value);
    Decimal decimal;
    decimal.negative = text.front() == '-';
    const size_t e = text.find('e');
    for (size_t i = decimal.negative ? 1 : 0; i < e; ++i) {
        if (text[i] != '.') {
            decimal.digits += text[i];
        }
    }
    decimal.exponent = std::atoi(text.c_str() + e + 1);
    return decimal;
}

// The next decimal away from zero with as many digits.
Decimal NextAway(Decimal decimal) {
    size_t i = decimal.digits.size();
    while (i > 0 && decimal.digits[i - 1] == '9') {
        decimal.digits[--i] = '0';
    }
    if (i > 0) {
        ++decimal.digits[i - 1];
    } else {
        decimal.digits.front() = '1';
        ++decimal.exponent;
    }
    return decimal;
}

// MinGW-w64's strtod misreads some texts near a power of two; from_chars reads
// every text correctly.
template <class Floating> Floating ReadBack(const std::string& text) {
    Floating value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The fewest digits that read back as `value`. Of two decimals around it with
// as many digits, printf gives the nearer; at a power of two the doubles below
// lie twice as close as those above, so the nearer one can fall short of what
// reads back while the one above it still reads back.
template <class Floating> Decimal ShortestDecimal(Floating value) {
    const int mostDigits = std::numeric_limits<Floating>::max_digits10;
    for (int digits = 1;; ++digits) {
        const Decimal nearest = Nearest(value, digits);
        const Floating back = ReadBack<Floating>(nearest.Text());
        if (back == value || digits == mostDigits) {
            return nearest;
        }
        if (std::fabs(back) < std::fabs(value)) {
            const Decimal away = NextAway(nearest);
            if (ReadBack<Floating>(away.Text()) == value) {
                return away;
            }
        }
    }
}

std::string ShortestText(double value, Decimal decimal) {
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0') {
        decimal.digits.pop_back();
    }
    const int count = static_cast<int>(decimal.digits.size());
    // The value is digits times ten to `scale`; fixed notation is no longer
    // than scientific from `lowest` to `highest`.
    const int scale = decimal.exponent - (count - 1);
    const int lowest = count == 1 ? -(count + 2) : -(count + 3);
    const int highest = count == 1 ? 4 : 5;
    if (scale < lowest || scale > highest) {
        std::string text = (decimal.negative ? "-" : "") + decimal.digits.substr(0, 1);
        if (count > 1) {
            text += "." + decimal.digits.substr(1);
        }
        const int size = std::abs(decimal.exponent);
        return text + (decimal.exponent < 0 ? "e-" : "e+") + (size < 10 ? "0" : "") +
               std::to_string(size);
    }
    if (scale >= 0) {
        // A whole number, every digit of it.
        return Printed("%.*f", 0, value);
    }
    const std::string sign = decimal.negative ? "-" : "";
    const int whole = count + scale;
    if (whole <= 0) {
        return sign + "0." + std::string(static_cast<size_t>(-whole), '0') + decimal.digits;
    }
    return sign + decimal.digits.substr(0, static_cast<size_t>(whole)) + "." +
           decimal.digits.substr(static_cast<size_t>(whole));
}

template <class Floating> std::string Shortest(Floating value) {
    if (auto text = NonFiniteText(value)) {
        return *text;
    }
    return ShortestText(value, ShortestDecimal(value));
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

std::string FormatShortest(double value) {
    return Shortest(value);
}

std::string FormatShortest(float value) {
    return Shortest(value);
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
