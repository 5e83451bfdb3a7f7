#pragma once

#include <string>
#include <vector>

#include "eval/MessageSink.h"

namespace kestrow::testing {

// Keeps every message in the order the evaluator showed them.
class RecordingSink final : public MessageSink {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    std::vector<std::string> messages;
};

} // namespace kestrow::testing
