// FormatShortest, apart from the other number texts so that only the program
// that writes JSON links it.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "text/NumberText.h"

namespace kestrow {
namespace {

// A positive decimal: its significant digits, the first of them times ten to
// the power of `exponent`.
struct Decimal {
    std::string digits;
    int exponent = 0;
};

std::string Text(const Decimal& decimal) {
    std::string text = decimal.digits;
    text.insert(1, ".");
    return text + "e" + std::to_string(decimal.exponent);
}

// printf's decimal with `count` significant digits nearest to `magnitude`.
Decimal Nearest(double magnitude, int count) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*e", count - 1, magnitude);
    Decimal decimal;
    const char* c = text;
    for (; *c != 'e'; ++c) {
        if (*c != '.')
            decimal.digits += *c;
    }
    decimal.exponent = std::atoi(c + 1);
    return decimal;
}

// The next larger decimal with as many digits.
Decimal NextUp(Decimal decimal) {
    size_t i = decimal.digits.size();
    while (i > 0 && decimal.digits[i - 1] == '9')
        decimal.digits[--i] = '0';
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
template <class Floating> Floating ReadBack(const Decimal& decimal) {
    const std::string text = Text(decimal);
    Floating value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The fewest digits that read back as `magnitude`. Of the two decimals around
// it with as many digits printf gives the nearer; but at a power of two the
// numbers below lie twice as close as those above, so the nearer one can read
// back as the number below while the one above still reads back.
template <class Floating> Decimal ShortestDecimal(Floating magnitude) {
    const int mostDigits = std::numeric_limits<Floating>::max_digits10;
    for (int count = 1;; ++count) {
        const Decimal nearest = Nearest(magnitude, count);
        const Floating back = ReadBack<Floating>(nearest);
        if (back == magnitude || count == mostDigits)
            return nearest;
        if (back < magnitude) {
            const Decimal above = NextUp(nearest);
            if (ReadBack<Floating>(above) == magnitude)
                return above;
        }
    }
}

// Laid out as std::to_chars does: scientific when that is shorter, else fixed,
// a whole number then with every digit of the value.
std::string Layout(double magnitude, Decimal decimal) {
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0')
        decimal.digits.pop_back();
    const int count = static_cast<int>(decimal.digits.size());
    // The value is the digits times ten to `scale`; fixed notation is no longer
    // than scientific while `scale` stays within these bounds.
    const int scale = decimal.exponent - (count - 1);
    const int lowest = count == 1 ? -(count + 2) : -(count + 3);
    const int highest = count == 1 ? 4 : 5;
    std::string text = decimal.digits;
    if (scale < lowest || scale > highest) {
        if (count > 1)
            text.insert(1, ".");
        char exponent[8];
        std::snprintf(exponent, sizeof exponent, "e%+03d", decimal.exponent);
        return text + exponent;
    }
    if (scale >= 0) {
        char whole[32];
        std::snprintf(whole, sizeof whole, "%.0f", magnitude);
        return whole;
    }
    const int whole = count + scale;
    if (whole <= 0)
        return "0." + std::string(static_cast<size_t>(-whole), '0') + text;
    return text.insert(static_cast<size_t>(whole), ".");
}

template <class Floating> std::string Shortest(Floating value) {
    if (!std::isfinite(value))
        return FormatGeneral(value, 0);
    const Floating magnitude = std::fabs(value);
    return (std::signbit(value) ? "-" : "") + Layout(magnitude, ShortestDecimal(magnitude));
}

} // namespace

std::string FormatShortest(double value) {
    return Shortest(value);
}

std::string FormatShortest(float value) {
    return Shortest(value);
}

} // namespace kestrow
