#include "tests/eval/EvalCase.h"

#include <gtest/gtest.h>

#include "eval/Evaluator.h"
#include "tests/eval/RecordingSink.h"

namespace kestrow::testing {

namespace {

// A NaN payload that no arithmetic produces: still there means never written.
constexpr std::uint32_t kUnwritten = 0x7fa5a5a5;

} // namespace

Evaluated Evaluate(const std::string& text) {
    RecordingSink sink;
    Evaluated evaluated;
    evaluated.value = std::bit_cast<float>(kUnwritten);
    evaluated.returned = EvalExpression(sink, text, evaluated.value);
    evaluated.wroteResult = std::bit_cast<std::uint32_t>(evaluated.value) != kUnwritten;
    evaluated.messages = std::move(sink.messages);
    return evaluated;
}

void ExpectOutcome(const EvalCase& expected) {
    const Evaluated actual = Evaluate(expected.text);
    EXPECT_TRUE(actual.returned);
    EXPECT_TRUE(actual.wroteResult);
    EXPECT_TRUE(SameFloat(actual.value, expected.value))
        << "got " << actual.value << " (bits 0x" << std::hex
        << std::bit_cast<std::uint32_t>(actual.value) << "), want " << expected.value << " (bits 0x"
        << std::bit_cast<std::uint32_t>(expected.value) << ")" << std::dec;
    EXPECT_EQ(actual.messages, expected.messages);
}

} // namespace kestrow::testing
