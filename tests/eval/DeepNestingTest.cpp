#include <gtest/gtest.h>

#include <string>

#include "tests/eval/EvalCase.h"

namespace kestrow::testing {
namespace {

const std::string kNoValue = "No value recognized";
const std::string kDivision = "Division by zero isn't allowed";
const std::string kError = "Error in expression.";

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    text.reserve(piece.size() * times);
    for (int i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

std::string Nest(const std::string& open, const std::string& inside, const std::string& close,
                 int depth) {
    return Repeat(open, depth) + inside + Repeat(close, depth);
}

class DeepNesting : public ::testing::TestWithParam<int> {};

TEST_P(DeepNesting, BracketsKeepTheInnerValue) {
    ExpectOutcome({Nest("(", "1", ")", GetParam()), 1, {}});
}

TEST_P(DeepNesting, PrefixMinusAlternatesTheSign) {
    const int depth = GetParam();
    const float sign = depth % 2 == 0 ? 1.0f : -1.0f;
    ExpectOutcome({Repeat("-", depth) + "1", sign, {}});
    ExpectOutcome({Nest("-(", "2", ")", depth), 2 * sign, {}});
}

TEST_P(DeepNesting, FailureTravelsUpThroughEveryBracketAndPrefix) {
    ExpectOutcome({Nest("(", "1/0", ")", GetParam()), 0, {kDivision, kError}});
    ExpectOutcome({Nest("-@(", "1/0", ")", GetParam()), 0, {kDivision, kError}});
}

// The innermost "1+(0/0)" absorbs its failure and is worth 1; every enclosing
// "1+(...)" adds one.
TEST_P(DeepNesting, AbsorbedFailureLetsEveryLevelAbove) {
    const int depth = GetParam();
    ExpectOutcome({Nest("1+(", "0/0", ")", depth), static_cast<float>(depth), {kDivision}});
}

// The failed "+" operand swallows the innermost ")", after which each bracket
// drops the next one; the value 2 survives to the top.
TEST_P(DeepNesting, SwallowedBracketIsNotAnError) {
    ExpectOutcome({Nest("(", "2+", ")", GetParam()), 2, {kNoValue}});
}

INSTANTIATE_TEST_SUITE_P(Depths, DeepNesting, ::testing::Values(1, 2, 3, 9999, 10000));

// Far past any native stack: still exact, and linear in time and memory.
TEST(MillionDeep, BracketsKeepTheInnerValue) {
    ExpectOutcome({Nest("(", "1", ")", 1000000), 1, {}});
}

TEST(MillionDeep, PrefixMinusesCancel) {
    ExpectOutcome({Repeat("-", 1000000) + "7", 7, {}});
}

} // namespace
} // namespace kestrow::testing
