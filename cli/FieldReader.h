#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "eval/MessageSink.h"

namespace kestrow::cli {

// Writes every message the program would show in a message box as one line.
class StreamMessageSink final : public MessageSink {
public:
    explicit StreamMessageSink(std::ostream& stream) : stream_(stream) {}

    void ShowMessage(const std::string& text) override;
    int Count() const { return count_; }

private:
    std::ostream& stream_;
    int count_ = 0;
};

// Reads option texts the way a page reads its fields, with the page's messages.
// Each read returns nothing after it has reported a rejected field; callers stop
// at the first one, as the page does.
class FieldReader {
public:
    explicit FieldReader(std::ostream& messages) : sink_(messages) {}

    // An integer field with its inclusive range.
    std::optional<int> Int(std::string_view text, int min, int max);

    // A decimal number field with its inclusive range.
    std::optional<double> Number(std::string_view text, double min, double max);

    // An expression field: evaluated (the evaluator may report problems and still
    // yield a value), then accepted from lowerBound to 65535.
    std::optional<float> Expression(const std::string& text, float lowerBound);

private:
    StreamMessageSink sink_;
};

} // namespace kestrow::cli
