#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "tests/eval/EvalCase.h"
#include "tests/eval/ReferenceEvaluator.h"

namespace kestrow::testing {
namespace {

// Pieces that reach every branch: numbers that overflow or leave the int
// range, every operator, blanks, a tab and a stray letter.
constexpr std::array<std::string_view, 24> kPieces = {
    "1",  "2",   "7",  "0",          "3.14",
    ".5", "0.9", "5.", "2147483648", "99999999999999999999999999999999999999999",
    "(",  ")",   "(",  ")",          "+",
    "-",  "*",   "/",  "%",          "@",
    " ",  ".",   "x",  "\t"};

// Piece choices weigh brackets and prefix operators heavily, to nest deeper.
constexpr std::array<std::string_view, 6> kNestingPieces = {"(", "-", "@", "1+(", "2*-(", "(2"};

std::uint32_t Pick(std::mt19937& random, std::size_t count) {
    return static_cast<std::uint32_t>(random() % count);
}

// Most texts get their bracket counts evened up, so that evaluation runs.
std::string Balanced(std::string text, std::mt19937& random) {
    if (Pick(random, 4) == 0) {
        return text;
    }
    long open = 0;
    for (const char c : text) {
        open += c == '(' ? 1 : c == ')' ? -1 : 0;
    }
    return open >= 0 ? text + std::string(open, ')') : std::string(-open, '(') + text;
}

std::string RandomText(std::mt19937& random, std::size_t maxPieces) {
    std::string text;
    const std::size_t pieces = Pick(random, maxPieces + 1);
    for (std::size_t i = 0; i < pieces; ++i) {
        text += kPieces[Pick(random, kPieces.size())];
    }
    return Balanced(text, random);
}

std::string RandomDeepText(std::mt19937& random, std::size_t maxPieces) {
    std::string text;
    const std::size_t pieces = Pick(random, maxPieces + 1);
    for (std::size_t i = 0; i < pieces; ++i) {
        text += Pick(random, 3) == 0 ? kPieces[Pick(random, kPieces.size())]
                                     : kNestingPieces[Pick(random, kNestingPieces.size())];
    }
    return Balanced(text, random);
}

void ExpectAgreement(const std::string& text) {
    const reference::Outcome expected = reference::Evaluate(text, 5000);
    ASSERT_FALSE(expected.tooDeep) << text;
    const Evaluated actual = Evaluate(text);
    ASSERT_TRUE(SameFloat(actual.value, expected.value))
        << '"' << text << "\" gave " << actual.value << ", reference " << expected.value;
    ASSERT_EQ(actual.messages, expected.messages) << '"' << text << '"';
}

TEST(ReferenceAgreement, ShortRandomTexts) {
    std::mt19937 random(20240611);
    for (int i = 0; i < 40000; ++i) {
        ExpectAgreement(RandomText(random, 14));
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST(ReferenceAgreement, DeeplyNestedRandomTexts) {
    std::mt19937 random(7);
    for (int i = 0; i < 300; ++i) {
        ExpectAgreement(RandomDeepText(random, 400));
        if (HasFatalFailure()) {
            return;
        }
    }
}

} // namespace
} // namespace kestrow::testing
