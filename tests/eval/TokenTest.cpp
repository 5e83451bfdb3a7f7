#include <gtest/gtest.h>

#include "eval/ExpressionText.h"
#include "eval/NumberReader.h"

namespace kestrow {
namespace {

TEST(NextChar, SkipsSpacesOnlyAndPutsBackAtTheToken) {
    ExpressionText text{"  a \tb  "};
    const Token a = NextChar(text);
    EXPECT_TRUE(a.Is('a'));
    PutBack(text, a);
    EXPECT_TRUE(NextChar(text).Is('a'));
    EXPECT_TRUE(NextChar(text).Is('\t'));
    EXPECT_TRUE(NextChar(text).Is('b'));
    EXPECT_TRUE(NextChar(text).atEnd);
    EXPECT_TRUE(NextChar(text).atEnd);
}

TEST(NextChar, NulIsAToken) {
    ExpressionText text{std::string("\0", 1)};
    const Token nul = NextChar(text);
    EXPECT_FALSE(nul.atEnd);
    EXPECT_TRUE(nul.Is('\0'));
}

TEST(DigitValue, ReadsDigitsSkipsSpacesStopsAtAnythingElse) {
    EXPECT_EQ(DigitValue("7"), 7.0f);
    EXPECT_EQ(DigitValue("1 2 3"), 123.0f);
    EXPECT_EQ(DigitValue("12x3"), 12.0f);
    EXPECT_EQ(DigitValue(""), 0.0f);
}

} // namespace
} // namespace kestrow
