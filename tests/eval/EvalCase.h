#pragma once

#include <bit>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace kestrow::testing {

// One field text, the value it must yield and the messages it must show, in order.
struct EvalCase {
    std::string text;
    float value;
    std::vector<std::string> messages;
};

inline std::ostream& operator<<(std::ostream& out, const EvalCase& c) {
    return out << '"' << c.text << '"';
}

struct Evaluated {
    float value = 0;
    std::vector<std::string> messages;
};

Evaluated Evaluate(const std::string& text);

// Checks value bits and message sequence.
void ExpectOutcome(const EvalCase& expected);

// Bit for bit, so that 3.13999987 is not taken for 3.14 nor -0 for 0; NaNs
// match each other whatever their sign and payload.
inline bool SameFloat(float actual, float expected) {
    if (std::isnan(expected)) {
        return std::isnan(actual);
    }
    return std::bit_cast<std::uint32_t>(actual) == std::bit_cast<std::uint32_t>(expected);
}

} // namespace kestrow::testing
