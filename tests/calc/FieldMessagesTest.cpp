#include "ui/FieldMessages.h"
#include "pages/FieldKinds.h"

#include <cmath>
#include <limits>
#include <ostream>

#include <gtest/gtest.h>

namespace kestrow {
namespace {

TEST(FieldMessages, RangeTextsNameTheBounds) {
    EXPECT_EQ("Please enter an integer between 3 and 256.", IntRangeMessage(3, 256));
    EXPECT_EQ("Please enter an integer between -5 and 16384.", IntRangeMessage(-5, 16384));
    EXPECT_EQ("Please enter a number between 0.03125 and 32.", NumberRangeMessage(0.03125, 32));
    EXPECT_EQ("Please enter a number between 0.0625 and 256.", NumberRangeMessage(0.0625, 256));
    EXPECT_EQ("Please enter a number between 1e-07 and 0.1.", NumberRangeMessage(1e-7, 0.1));
}

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
    FieldMessages, ExpressionRule,
    ::testing::Values(ExpressionCase{2.5f, 1, true}, ExpressionCase{1, 1, true},
                      ExpressionCase{65535, 1, true}, ExpressionCase{65535.5f, 1, false},
                      ExpressionCase{0.5f, 1, false}, ExpressionCase{0, 1, false},
                      ExpressionCase{-1, 1, false}, ExpressionCase{0, 0, true},
                      ExpressionCase{-0.0f, 0, true}, ExpressionCase{-0.5f, 0, false},
                      ExpressionCase{std::numeric_limits<float>::infinity(), 0, false},
                      ExpressionCase{std::nanf(""), 0, false}));

} // namespace
} // namespace kestrow
