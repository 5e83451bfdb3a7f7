#include "tests/eval/EvalCase.h"

#include <gtest/gtest.h>

#include "eval/Evaluator.h"
#include "tests/eval/RecordingSink.h"

namespace kestrow::testing {

Evaluated Evaluate(const std::string& text) {
    RecordingSink sink;
    Evaluated evaluated;
    evaluated.value = EvalExpression(sink, text);
    evaluated.messages = std::move(sink.messages);
    return evaluated;
}

void ExpectOutcome(const EvalCase& expected) {
    const Evaluated actual = Evaluate(expected.text);
    EXPECT_TRUE(SameFloat(actual.value, expected.value))
        << "got " << actual.value << " (bits 0x" << std::hex
        << std::bit_cast<std::uint32_t>(actual.value) << "), want " << expected.value << " (bits 0x"
        << std::bit_cast<std::uint32_t>(expected.value) << ")" << std::dec;
    EXPECT_EQ(actual.messages, expected.messages);
}

} // namespace kestrow::testing
