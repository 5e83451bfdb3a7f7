#include "text/NumberText.h"

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

namespace kestrow {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");

struct FormatCase {
    double value;
    int digits;
    const char* text;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.value << " to " << c.digits << " digits";
}

class FormatFixedCase : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFixedCase, MatchesPrintf) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(c.text, FormatFixed(c.value, c.digits)) << c.value << " to " << c.digits;
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, FormatFixedCase,
    ::testing::Values(FormatCase{1.0, 6, "1.000000"}, FormatCase{0.125, 2, "0.12"},
                      FormatCase{0.375, 2, "0.38"}, FormatCase{2.5, 0, "2"},
                      FormatCase{3.5, 0, "4"}, FormatCase{0.1, 20, "0.10000000000000000555"},
                      FormatCase{-0.0, 6, "-0.000000"}, FormatCase{-0.0, 4, "-0.0000"},
                      FormatCase{-4e-7, 6, "-0.000000"}, FormatCase{2.5e-6, 6, "0.000003"},
                      FormatCase{1482910.4003790021, 6, "1482910.400379"},
                      FormatCase{1e20, 2, "100000000000000000000.00"},
                      FormatCase{1.0 / 3, -1, "0.333333"}, FormatCase{kInf, 6, "inf"},
                      FormatCase{-kInf, 4, "-inf"}, FormatCase{kNaN, 6, "nan"},
                      FormatCase{-kNaN, 6, "nan"}));

class FormatGeneralCase : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatGeneralCase, MatchesPrintf) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(c.text, FormatGeneral(c.value, c.digits)) << c.value << " to " << c.digits;
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, FormatGeneralCase,
    ::testing::Values(FormatCase{1e-7, 15, "1e-07"}, FormatCase{0.03125, 15, "0.03125"},
                      FormatCase{32, 15, "32"}, FormatCase{212, 15, "212"},
                      FormatCase{-0.0, 15, "-0"}, FormatCase{0.1, 15, "0.1"},
                      FormatCase{0.1, 17, "0.10000000000000001"},
                      FormatCase{1.17187500013877, 15, "1.17187500013877"},
                      FormatCase{6.74349576174305e-07, 15, "6.74349576174305e-07"},
                      FormatCase{123456789012345678.0, 15, "1.23456789012346e+17"},
                      FormatCase{100000, 5, "1e+05"}, FormatCase{99999.5, 5, "1e+05"},
                      FormatCase{0.0001, 15, "0.0001"}, FormatCase{0.00001, 15, "1e-05"},
                      // The evaluator reads "3.14" as one unit below the nearest float.
                      FormatCase{3.1399998664855957, 9, "3.13999987"},
                      FormatCase{static_cast<double>(1.2f), 9, "1.20000005"},
                      FormatCase{-20, 9, "-20"}, FormatCase{2.5, 0, "2"},
                      FormatCase{kInf, 9, "inf"}, FormatCase{-kInf, 15, "-inf"},
                      FormatCase{kNaN, 9, "nan"}, FormatCase{-kNaN, 15, "nan"}));

struct IntParseCase {
    const char* text;
    std::optional<int> value;
};

void PrintTo(const IntParseCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ParseIntCase : public ::testing::TestWithParam<IntParseCase> {};

TEST_P(ParseIntCase, AcceptsOnlyASignedInteger) {
    const IntParseCase& c = GetParam();
    EXPECT_EQ(c.value, ParseIntText(c.text)) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, ParseIntCase,
    ::testing::Values(IntParseCase{"128", 128}, IntParseCase{" 12 ", 12}, IntParseCase{"\t7\t", 7},
                      IntParseCase{"+5", 5}, IntParseCase{"-0", 0}, IntParseCase{"-42", -42},
                      IntParseCase{"007", 7}, IntParseCase{"2147483647", 2147483647},
                      IntParseCase{"-2147483648", -2147483647 - 1},
                      IntParseCase{"2147483648", std::nullopt},
                      IntParseCase{"-2147483649", std::nullopt},
                      IntParseCase{"99999999999999999999", std::nullopt},
                      IntParseCase{"12a", std::nullopt}, IntParseCase{"", std::nullopt},
                      IntParseCase{"   ", std::nullopt}, IntParseCase{"+", std::nullopt},
                      IntParseCase{"-", std::nullopt}, IntParseCase{"+-5", std::nullopt},
                      IntParseCase{"--5", std::nullopt}, IntParseCase{"- 5", std::nullopt},
                      IntParseCase{"1 2", std::nullopt}, IntParseCase{"1.0", std::nullopt},
                      IntParseCase{"1e3", std::nullopt}, IntParseCase{"0x10", std::nullopt},
                      IntParseCase{"\n5", std::nullopt}));

struct NumberParseCase {
    const char* text;
    std::optional<double> value;
};

void PrintTo(const NumberParseCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class ParseNumberCase : public ::testing::TestWithParam<NumberParseCase> {};

TEST_P(ParseNumberCase, AcceptsOnlyADecimalNumber) {
    const NumberParseCase& c = GetParam();
    EXPECT_EQ(c.value, ParseNumberText(c.text)) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, ParseNumberCase,
    ::testing::Values(NumberParseCase{"1", 1.0}, NumberParseCase{" 12 ", 12.0},
                      NumberParseCase{"+5", 5.0}, NumberParseCase{"-2.5", -2.5},
                      NumberParseCase{"1e3", 1000.0}, NumberParseCase{"1E+3", 1000.0},
                      NumberParseCase{"2.5e-1", 0.25}, NumberParseCase{"0.03125", 0.03125},
                      NumberParseCase{"1.50", 1.5}, NumberParseCase{".5", 0.5},
                      NumberParseCase{"5.", 5.0}, NumberParseCase{"0.1", 0.1},
                      NumberParseCase{"\t3\t", 3.0}, NumberParseCase{"1e999", kInf},
                      NumberParseCase{"-1e999", -kInf}, NumberParseCase{"0.0001e400", kInf},
                      NumberParseCase{"1e-999", 0.0}, NumberParseCase{"12345e-330", 0.0},
                      NumberParseCase{"abc", std::nullopt}, NumberParseCase{"", std::nullopt},
                      NumberParseCase{".", std::nullopt}, NumberParseCase{"-", std::nullopt},
                      NumberParseCase{"1e", std::nullopt}, NumberParseCase{"1e+", std::nullopt},
                      NumberParseCase{"e5", std::nullopt}, NumberParseCase{"1.2.3", std::nullopt},
                      NumberParseCase{"12a", std::nullopt}, NumberParseCase{"1 2", std::nullopt},
                      NumberParseCase{"++1", std::nullopt}, NumberParseCase{"inf", std::nullopt},
                      NumberParseCase{"nan", std::nullopt},
                      NumberParseCase{"infinity", std::nullopt},
                      NumberParseCase{"0x10", std::nullopt}, NumberParseCase{"1,5", std::nullopt}));

TEST(NumberText, NegativeZeroKeepsItsSign) {
    const std::optional<double> value = ParseNumberText("-0");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(0.0, *value);
    EXPECT_TRUE(std::signbit(*value));
}

TEST(NumberText, UnderflowKeepsItsSign) {
    const std::optional<double> value = ParseNumberText("-1e-999");
    ASSERT_TRUE(value.has_value());
    EXPECT_TRUE(std::signbit(*value));
}

} // namespace
} // namespace kestrow
