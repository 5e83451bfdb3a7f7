#include "pages/FieldKinds.h"

#include <cmath>
#include <limits>
#include <ostream>

#include <gtest/gtest.h>

namespace kestrow {
namespace {

struct ExpressionCase {
    float value;
    float lowerBound;
    bool accepted;
};

void PrintTo(const ExpressionCase& c, std::ostream* os) {
    *os << c.value << " from " << c.lowerBound;
}

class ExpressionRule : public ::testing::TestWithParam<ExpressionCase> {};

TEST_P(ExpressionRule, AcceptsLowerBoundTo65535) {
    const ExpressionCase& c = GetParam();
    EXPECT_EQ(c.accepted, ExpressionValueAccepted(c.value, c.lowerBound))
        << c.value << " with lower bound " << c.lowerBound;
}

INSTANTIATE_TEST_SUITE_P(
    FieldRules, ExpressionRule,
    ::testing::Values(ExpressionCase{2.5f, 1, true}, ExpressionCase{1, 1, true},
                      ExpressionCase{65535, 1, true}, ExpressionCase{65535.5f, 1, false},
                      ExpressionCase{0.5f, 1, false}, ExpressionCase{0, 1, false},
                      ExpressionCase{-1, 1, false}, ExpressionCase{0, 0, true},
                      ExpressionCase{-0.0f, 0, true}, ExpressionCase{-0.5f, 0, false},
                      ExpressionCase{std::numeric_limits<float>::infinity(), 0, false},
                      ExpressionCase{std::nanf(""), 0, false}));

} // namespace
} // namespace kestrow
