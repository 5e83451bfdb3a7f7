#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "eval/Evaluator.h"
#include "eval/MessageSink.h"

namespace {

class DiscardingSink final : public kestrow::MessageSink {
public:
    void ShowMessage(const std::string&) override {}
};

void Evaluate(benchmark::State& state, const std::string& text) {
    DiscardingSink sink;
    for (auto _ : state) {
        float result = kestrow::EvalExpression(sink, text);
        benchmark::DoNotOptimize(result);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(text.size()));
    state.SetComplexityN(static_cast<std::int64_t>(text.size()));
}

// Texts of what a user types into a field.
void FieldExpression(benchmark::State& state, const char* text) {
    Evaluate(state, text);
}
BENCHMARK_CAPTURE(FieldExpression, product, "3*16");
BENCHMARK_CAPTURE(FieldExpression, hypotenuse, "@(48*48+64*64)");
BENCHMARK_CAPTURE(FieldExpression, fraction, "2.5 * 128 - 0.75");
BENCHMARK_CAPTURE(FieldExpression, mixed, "-(256/3*2)%7 + @@16");
BENCHMARK_CAPTURE(FieldExpression, error, "2+1/0");

std::string Cycle(const std::string& piece, std::size_t bytes) {
    std::string text;
    while (text.size() + piece.size() <= bytes) {
        text += piece;
    }
    return text;
}

std::string SumOfOnes(std::size_t bytes) {
    return Cycle("1+", bytes - 1) + "1";
}

std::string NestedBrackets(std::size_t bytes) {
    const std::size_t depth = (bytes - 1) / 2;
    return std::string(depth, '(') + "1" + std::string(depth, ')');
}

std::string PrefixChain(std::size_t bytes) {
    return std::string(bytes - 1, '-') + "1";
}

std::string LongNumber(std::size_t bytes) {
    return "0." + Cycle("1234567890", bytes - 2);
}

std::string BlankPadded(std::size_t bytes) {
    return Cycle("1 + ", bytes - 1) + "1";
}

template <std::string (*Make)(std::size_t)> void LongText(benchmark::State& state) {
    Evaluate(state, Make(static_cast<std::size_t>(state.range(0))));
}

constexpr std::int64_t kSmallest = 32 << 10;
constexpr std::int64_t kLargest = 1 << 20;

BENCHMARK_TEMPLATE(LongText, SumOfOnes)
    ->RangeMultiplier(2)
    ->Range(kSmallest, kLargest)
    ->Complexity(benchmark::oN);
BENCHMARK_TEMPLATE(LongText, NestedBrackets)
    ->RangeMultiplier(2)
    ->Range(kSmallest, kLargest)
    ->Complexity(benchmark::oN);
BENCHMARK_TEMPLATE(LongText, PrefixChain)
    ->RangeMultiplier(2)
    ->Range(kSmallest, kLargest)
    ->Complexity(benchmark::oN);
BENCHMARK_TEMPLATE(LongText, LongNumber)
    ->RangeMultiplier(2)
    ->Range(kSmallest, kLargest)
    ->Complexity(benchmark::oN);
BENCHMARK_TEMPLATE(LongText, BlankPadded)
    ->RangeMultiplier(2)
    ->Range(kSmallest, kLargest)
    ->Complexity(benchmark::oN);

} // namespace
