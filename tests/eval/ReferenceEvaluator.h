#pragma once

#include <string>
#include <vector>

namespace kestrow::reference {

// A deliberately plain evaluator to check the real one against: it recurses
// natively and consumes its own copy of the text from the front, one
// character at a time, putting tokens back by inserting them again.
struct Outcome {
    float value = 0;
    std::vector<std::string> messages;
    bool tooDeep = false; // recursion passed maxDepth; value and messages mean nothing
};

Outcome Evaluate(const std::string& text, int maxDepth);

} // namespace kestrow::reference
