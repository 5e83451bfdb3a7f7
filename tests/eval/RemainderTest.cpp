#include <gtest/gtest.h>

#include <limits>

#include "tests/eval/EvalCase.h"

namespace kestrow::testing {
namespace {

const std::string kModulo = "Modulo zero isn't allowed";
const std::string kError = "Error in expression.";
const std::string kHuge = "1" + std::string(39, '0');

class RemainderCase : public ::testing::TestWithParam<EvalCase> {};

TEST_P(RemainderCase, YieldsValueAndMessages) {
    ExpectOutcome(GetParam());
}

// Operands are truncated toward zero; the remainder takes the dividend's sign.
INSTANTIATE_TEST_SUITE_P(WithinInt, RemainderCase,
                         ::testing::Values(EvalCase{"7%-3", 1, {}}, EvalCase{"-7%-3", -1, {}},
                                           EvalCase{"5%2.9", 1, {}}, EvalCase{"-7.9%2.5", -1, {}},
                                           EvalCase{"2000000000%11", 9, {}},
                                           EvalCase{"-2147483648%3", -2, {}},
                                           // Through an int a zero remainder has no sign.
                                           EvalCase{"-6%3", 0, {}}, EvalCase{"-0.5%3", 0, {}}));

// A divisor that truncates to 0 would be an integer division by zero.
INSTANTIATE_TEST_SUITE_P(DivisorTruncatesToZero, RemainderCase,
                         ::testing::Values(EvalCase{"5%0.5", 0, {kModulo, kError}},
                                           EvalCase{"5%-0.99", 0, {kModulo, kError}},
                                           EvalCase{"5%-0", 0, {kModulo, kError}},
                                           EvalCase{"2+5%0.5", 2, {kModulo}}));

// Past the int range the remainder is the exact one of the truncated values,
// and the most negative int by -1 gives 0 instead of trapping.
INSTANTIATE_TEST_SUITE_P(
    BeyondInt, RemainderCase,
    ::testing::Values(EvalCase{"3000000000%7", 4, {}}, EvalCase{"-3000000000%7", -4, {}},
                      EvalCase{"10000000000%7", 4, {}}, EvalCase{"10000000000%-1", 0, {}},
                      EvalCase{"-2147483648%-1", 0, {}}, EvalCase{"2147483648%-1", 0, {}},
                      EvalCase{"7%3000000000", 7, {}}, EvalCase{"7.5%" + kHuge, 7, {}},
                      EvalCase{kHuge + "%3", std::numeric_limits<float>::quiet_NaN(), {}}));

} // namespace
} // namespace kestrow::testing
