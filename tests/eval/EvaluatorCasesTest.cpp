#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/eval/EvalCase.h"

namespace kestrow::testing {
namespace {

const std::string kMismatched = "Mismatched brackets.";
const std::string kNoValue = "No value recognized";
const std::string kSqrt = "Can't take square root of negative number";
const std::string kDivision = "Division by zero isn't allowed";
const std::string kModulo = "Modulo zero isn't allowed";
const std::string kOperator = "Unrecognized Operator";
const std::string kError = "Error in expression.";

const float kInf = std::numeric_limits<float>::infinity();
const float kNaN = std::numeric_limits<float>::quiet_NaN();
// 1e39 does not fit a float, so reading it gives infinity.
const std::string kHuge = "1" + std::string(39, '0');

class EvaluatorCase : public ::testing::TestWithParam<EvalCase> {};

TEST_P(EvaluatorCase, YieldsValueAndMessages) {
    ExpectOutcome(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, EvaluatorCase,
    ::testing::Values(
        EvalCase{"2+3*4", 14, {}}, EvalCase{"(2+3)*4", 20, {}}, EvalCase{"1+(2*3)-4", 3, {}},
        EvalCase{"-(2+3)*4", -20, {}}, EvalCase{"8/2*4", 1, {}}, EvalCase{"7%3*2", 1, {}},
        EvalCase{"10-2+3", 11, {}}, EvalCase{"-3+5", 2, {}}, EvalCase{"2*-3", -6, {}},
        EvalCase{"--3", 3, {}}, EvalCase{"@16", 4, {}}, EvalCase{"@16+9", 13, {}},
        EvalCase{"@(16+9)", 5, {}}, EvalCase{"@@16", 2, {}}, EvalCase{"2 3", 23, {}},
        EvalCase{".5", 0.5f, {}}, EvalCase{"5.", 5, {}}, EvalCase{"3.14", 3.13999987f, {}},
        EvalCase{"7.9%2.5", 1, {}}, EvalCase{"-7%3", -1, {}}, EvalCase{"7%0", 0, {kModulo, kError}},
        EvalCase{"1/0", 0, {kDivision, kError}}, EvalCase{"1/(2-2)", 0, {kDivision, kError}},
        EvalCase{"2+1/0", 2, {kDivision}}, EvalCase{"2+", 2, {kNoValue}},
        EvalCase{"2x3", 2, {kOperator}}, EvalCase{"1.2.3", 1.20000005f, {kOperator}},
        EvalCase{"(2)(3)", 2, {kOperator}}, EvalCase{"", 0, {kNoValue, kError}},
        EvalCase{"   ", 0, {kNoValue, kError}}, EvalCase{"-", 0, {kNoValue, kError}},
        EvalCase{"@-4", 0, {kSqrt, kError}}, EvalCase{"(2+3", 0, {kMismatched}},
        EvalCase{"3)(", 3, {}}, EvalCase{")(", 0, {kNoValue, kError}}));

// "*" binds tighter than "/" and "%", which bind tighter than "+" and "-";
// operators of one level group from the left; prefix operators take one value.
INSTANTIATE_TEST_SUITE_P(PrecedenceAndGrouping, EvaluatorCase,
                         ::testing::Values(EvalCase{"100/3*3", 100.0f / 9.0f, {}},
                                           EvalCase{"2*7%3", 2, {}}, EvalCase{"8-2-1", 5, {}},
                                           EvalCase{"8/4/2", 1, {}}, EvalCase{"-2*3", -6, {}},
                                           EvalCase{"12/3%3", 1, {}}, EvalCase{"7%4/2", 1.5f, {}},
                                           EvalCase{"2-3*4", -10, {}}, EvalCase{"1+2*3*4", 25, {}},
                                           EvalCase{"-3*-2", 6, {}}, EvalCase{"-@16", -4, {}},
                                           EvalCase{"+-+3", -3, {}}, EvalCase{"2++3", 5, {}},
                                           EvalCase{"1-(-1)", 2, {}}, EvalCase{"((2))", 2, {}},
                                           EvalCase{"@2", 1.41421354f, {}}));

// Blanks vanish anywhere, even inside a number; nothing but the space is a blank.
INSTANTIATE_TEST_SUITE_P(
    NumbersAndBlanks, EvaluatorCase,
    ::testing::Values(EvalCase{"1 .5", 1.5f, {}}, EvalCase{" 1 2 . 5 ", 12.5f, {}},
                      EvalCase{"007", 7, {}}, EvalCase{".", 0, {}}, EvalCase{"..", 0, {kOperator}},
                      EvalCase{"1e3", 1, {kOperator}}, EvalCase{"1\t+2", 1, {kOperator}},
                      EvalCase{"\t1", 0, {kNoValue, kError}}, EvalCase{kHuge, kInf, {}},
                      EvalCase{"-" + kHuge, -kInf, {}}, EvalCase{"16777217", 16777216, {}}));

// A failing right operand is absorbed by its operator's level, which keeps its
// left-hand value; failures under brackets and prefix operators travel up.
INSTANTIATE_TEST_SUITE_P(
    ErrorPropagation, EvaluatorCase,
    ::testing::Values(
        EvalCase{"1+1/0+5", 1, {kDivision}}, EvalCase{"10-(2+1/0)+5", 13, {kDivision}},
        EvalCase{"1+2*(3/0)+4", 3, {kDivision}}, EvalCase{"-(1/0)+5", 0, {kDivision, kError}},
        EvalCase{"@(1-2)", 0, {kSqrt, kError}}, EvalCase{"2+@(1-2)", 2, {kSqrt}},
        EvalCase{"2+*3", 2, {kNoValue}}, EvalCase{"2*(1+)", 2, {kNoValue}},
        EvalCase{"(2+)*3", 2, {kNoValue, kOperator}}, EvalCase{"2+3x+4", 9, {kOperator}},
        EvalCase{"(2x)*5", 10, {kOperator}}, EvalCase{"-3x", -3, {kOperator}},
        EvalCase{"1/0+1/0", 0, {kDivision, kError}}, EvalCase{"((1)", 0, {kMismatched}},
        EvalCase{"1)", 0, {kMismatched}}, EvalCase{"())(", 0, {kNoValue, kError}}));

// Overflow gives infinity silently; NaN and either zero are refused where a
// step cannot take them.
INSTANTIATE_TEST_SUITE_P(
    SpecialValues, EvaluatorCase,
    ::testing::Values(EvalCase{kHuge + "-" + kHuge, kNaN, {}}, EvalCase{kHuge + "*0", kNaN, {}},
                      EvalCase{"1/" + kHuge, 0, {}}, EvalCase{"-0", -0.0f, {}},
                      EvalCase{"@-0", -0.0f, {}}, EvalCase{"1/-0", 0, {kDivision, kError}},
                      EvalCase{"1/(" + kHuge + "-" + kHuge + ")", 0, {kDivision, kError}},
                      EvalCase{"@(" + kHuge + "-" + kHuge + ")", 0, {kSqrt, kError}},
                      EvalCase{"5%(" + kHuge + "-" + kHuge + ")", 0, {kModulo, kError}}));

// Digit-by-digit reading lands one unit in the last place away from the
// nearest float for these; users' existing fields depend on it.
TEST(NumberReading, FractionsKeepTheirDigitByDigitRounding) {
    EXPECT_TRUE(SameFloat(Evaluate("3.14").value, std::nextafter(3.14f, 0.0f)));
    EXPECT_TRUE(SameFloat(Evaluate("0.9").value, std::nextafter(0.9f, 1.0f)));
}

} // namespace
} // namespace kestrow::testing
