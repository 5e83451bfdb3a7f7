// The number texts against std::to_chars, which rounds correctly on every
// build: the programs leave it out for its size, and every text must stay as it
// gives it.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include <gtest/gtest.h>

#include "text/NumberText.h"

namespace kestrow {
namespace {

template <class Floating> std::string ToChars(Floating value) {
    char text[400];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc{} ? std::string(text, end) : "(too long)";
}

std::string ToChars(double value, std::chars_format format, int precision) {
    char text[400];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value, format, precision);
    return error == std::errc{} ? std::string(text, end) : "(too long)";
}

template <class Floating, class Bits> Floating FromBits(Bits bits) {
    Floating value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Every power of two of the type, where the gap below is half the gap above;
// whole numbers, short decimals and their neighbours; and random bit patterns.
template <class Floating, class Bits> std::vector<Floating> Samples(int randomCount) {
    std::vector<Floating> values;
    const auto add = [&](Floating value) {
        if (std::isfinite(value)) {
            values.push_back(value);
            values.push_back(-value);
        }
    };
    using Limits = std::numeric_limits<Floating>;
    for (int exponent = Limits::min_exponent - Limits::digits; exponent < Limits::max_exponent;
         ++exponent) {
        add(std::ldexp(Floating(1), exponent));
    }
    add(0);
    add(Limits::max());
    add(Limits::min());
    std::mt19937_64 random(22);
    for (int i = 0; i < randomCount; ++i) {
        const auto whole = static_cast<Floating>(random() % 100000000);
        const Floating decimal = whole / static_cast<Floating>(std::pow(10.0, random() % 12));
        add(std::ldexp(whole, static_cast<int>(random() % 80) - 20));
        add(decimal);
        add(std::nextafter(decimal, Floating(0)));
        add(FromBits<Floating>(static_cast<Bits>(random())));
    }
    return values;
}

TEST(NumberTextAgreement, ShortestDoubleAsToChars) {
    for (const double value : Samples<double, std::uint64_t>(5000)) {
        ASSERT_EQ(ToChars(value), FormatShortest(value)) << std::hexfloat << value;
    }
}

TEST(NumberTextAgreement, ShortestFloatAsToChars) {
    for (const float value : Samples<float, std::uint32_t>(5000)) {
        ASSERT_EQ(ToChars(value), FormatShortest(value)) << std::hexfloat << value;
    }
}

TEST(NumberTextAgreement, FixedAndGeneralAsToChars) {
    std::mt19937 random(22);
    for (const double value : Samples<double, std::uint64_t>(1000)) {
        const int precision = static_cast<int>(random() % 20);
        ASSERT_EQ(ToChars(value, std::chars_format::general, precision + 1),
                  FormatGeneral(value, precision + 1))
            << std::hexfloat << value;
        if (std::fabs(value) < 1e30) {
            ASSERT_EQ(ToChars(value, std::chars_format::fixed, precision),
                      FormatFixed(value, precision))
                << std::hexfloat << value;
        }
    }
}

} // namespace
} // namespace kestrow
