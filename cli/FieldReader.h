#pragma once

#include <initializer_list>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>

#include "eval/MessageSink.h"
#include "pages/FieldKinds.h"

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

// One page field, read from an option's text into a value the way the page
// reads it, with the page's messages.
class FieldRead {
public:
    FieldRead(std::string_view text, const IntField& field, int& value)
        : text_(text), target_(IntTarget{&field, &value}) {}
    FieldRead(std::string_view text, const NumberField& field, double& value)
        : text_(text), target_(NumberTarget{&field, &value}) {}
    // Evaluated (the evaluator may report problems and still yield a value), then
    // accepted from the field's lower bound to 65535.
    FieldRead(std::string_view text, const ExpressionField& field, float& value)
        : text_(text), target_(ExpressionTarget{&field, &value}) {}

    // False, after telling `messages` why, when the page would reject the field.
    bool Read(MessageSink& messages) const;

private:
    struct IntTarget {
        const IntField* field;
        int* value;
    };
    struct NumberTarget {
        const NumberField* field;
        double* value;
    };
    struct ExpressionTarget {
        const ExpressionField* field;
        float* value;
    };

    std::string_view text_;
    std::variant<IntTarget, NumberTarget, ExpressionTarget> target_;
};

// Reads the fields in the order given, which is the page's order of checks, and
// stops at the first one rejected, as the page does; false then.
bool ReadFields(std::ostream& messages, std::initializer_list<FieldRead> fields);

} // namespace kestrow::cli
