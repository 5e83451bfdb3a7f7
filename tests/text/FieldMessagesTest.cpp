#include "text/FieldMessages.h"

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

} // namespace
} // namespace kestrow
