// Feeds arbitrary bytes to EvalExpression and checks value bits and message
// sequence against the plain recursive reference evaluator.
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "eval/Evaluator.h"
#include "tests/eval/EvalCase.h"
#include "tests/eval/RecordingSink.h"
#include "tests/eval/ReferenceEvaluator.h"

namespace {

constexpr std::size_t kMaxInput = 4096;
// Deep enough for most inputs, shallow enough for the reference's native
// recursion under AddressSanitizer.
constexpr int kReferenceDepth = 2000;

void PrintMessages(const char* who, const std::vector<std::string>& messages) {
    std::fprintf(stderr, "%s messages:", who);
    for (const auto& message : messages) {
        std::fprintf(stderr, " [%s]", message.c_str());
    }
    std::fprintf(stderr, "\n");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxInput) {
        return -1; // not added to the corpus
    }
    const std::string text(reinterpret_cast<const char*>(data), size);

    kestrow::testing::RecordingSink sink;
    const float value = kestrow::EvalExpression(sink, text);

    const kestrow::reference::Outcome expected =
        kestrow::reference::Evaluate(text, kReferenceDepth);
    if (expected.tooDeep) {
        return 0;
    }
    if (!kestrow::testing::SameFloat(value, expected.value) || sink.messages != expected.messages) {
        std::fprintf(stderr, "value %.9g (0x%08x), reference %.9g (0x%08x)\n",
                     static_cast<double>(value), std::bit_cast<std::uint32_t>(value),
                     static_cast<double>(expected.value),
                     std::bit_cast<std::uint32_t>(expected.value));
        PrintMessages("evaluator", sink.messages);
        PrintMessages("reference", expected.messages);
        std::abort();
    }
    return 0;
}
