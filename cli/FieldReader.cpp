#include "cli/FieldReader.h"

#include "eval/Evaluator.h"
#include "ui/FieldMessages.h"
#include "ui/NumberText.h"

namespace kestrow::cli {
namespace {

template <class... Visitors> struct Overloaded : Visitors... { using Visitors::operator()...; };

} // namespace

void StreamMessageSink::ShowMessage(const std::string& text) {
    stream_ << text << '\n';
    ++count_;
}

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

bool ReadFields(std::ostream& messages, std::initializer_list<FieldRead> fields) {
    StreamMessageSink sink(messages);
    for (const FieldRead& field : fields) {
        if (!field.Read(sink))
            return false;
    }
    return true;
}

} // namespace kestrow::cli
