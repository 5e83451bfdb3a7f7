#pragma once

#include <initializer_list>
#include <string_view>
#include <variant>

#include "cli/RunReport.h"
#include "eval/MessageSink.h"
#include "pages/FieldKinds.h"

namespace kestrow::cli {

// One page field, read from an option's text into a value the way the page
// reads it, with the page's messages. `name` is the input's name in reports.
class FieldRead {
public:
    FieldRead(std::string_view name, std::string_view text, const IntField& field, int& value)
        : name_(name), text_(text), target_(IntTarget{&field, &value}) {}
    FieldRead(std::string_view name, std::string_view text, const NumberField& field, double& value)
        : name_(name), text_(text), target_(NumberTarget{&field, &value}) {}
    // Evaluated (the evaluator may report problems and still yield a value), then
    // accepted from the field's lower bound to 65535.
    FieldRead(std::string_view name, std::string_view text, const ExpressionField& field,
              float& value)
        : name_(name), text_(text), target_(ExpressionTarget{&field, &value}) {}

    // False, after telling `messages` why, when the page would reject the field.
    bool Read(MessageSink& messages) const;

    std::string_view Name() const { return name_; }
    // The value the field was read into.
    Value ReadValue() const;

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

    std::string_view name_;
    std::string_view text_;
    std::variant<IntTarget, NumberTarget, ExpressionTarget> target_;
};

// Reads the fields in the order given, which is the page's order of checks, and
// stops at the first one rejected, as the page does; false then. The report gets
// the messages and every field as an input: its value, or null when it was
// rejected or not reached.
bool ReadFields(RunReport& report, std::initializer_list<FieldRead> fields);

} // namespace kestrow::cli
