#include "cli/FieldReader.h"

#include "eval/Evaluator.h"
#include "ui/FieldMessages.h"
#include "ui/NumberText.h"

namespace kestrow::cli {
namespace {

template <class... Visitors> struct Overloaded : Visitors... { using Visitors::operator()...; };

} // namespace

bool FieldRead::Read(MessageSink& messages) const {
    const auto fail = [&messages](const std::string& message) {
        messages.ShowMessage(message);
        return false;
    };
    return std::visit(Overloaded{
                          [&](const IntTarget& t) {
                              const std::optional<int> value = ParseIntText(text_);
                              if (!value)
                                  return fail(kEnterIntegerMessage);
                              if (*value < t.field->min || *value > t.field->max)
                                  return fail(IntRangeMessage(t.field->min, t.field->max));
                              *t.value = *value;
                              return true;
                          },
                          [&](const NumberTarget& t) {
                              const std::optional<double> value = ParseNumberText(text_);
                              if (!value)
                                  return fail(kEnterNumberMessage);
                              if (*value < t.field->min || *value > t.field->max)
                                  return fail(NumberRangeMessage(t.field->min, t.field->max));
                              *t.value = *value;
                              return true;
                          },
                          [&](const ExpressionTarget& t) {
                              float value = 0;
                              EvalExpression(messages, std::string(text_), value);
                              if (!ExpressionValueAccepted(value, t.field->lowerBound))
                                  return fail(kExpressionRangeMessage);
                              *t.value = value;
                              return true;
                          },
                      },
                      target_);
}

Value FieldRead::ReadValue() const {
    return std::visit([](const auto& t) { return Value(*t.value); }, target_);
}

bool ReadFields(RunReport& report, std::initializer_list<FieldRead> fields) {
    ReportMessages messages(report);
    bool accepted = true;
    for (const FieldRead& field : fields) {
        accepted = accepted && field.Read(messages);
        report.inputs.push_back(
            {std::string(field.Name()), accepted ? field.ReadValue() : Value{}});
    }
    return accepted;
}

} // namespace kestrow::cli
