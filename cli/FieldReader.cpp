#include "cli/FieldReader.h"

#include "eval/Evaluator.h"
#include "pages/FieldKinds.h"
#include "ui/FieldMessages.h"
#include "ui/NumberText.h"

namespace kestrow::cli {

void StreamMessageSink::ShowMessage(const std::string& text) {
    stream_ << text << '\n';
    ++count_;
}

std::optional<int> FieldReader::Int(std::string_view text, int min, int max) {
    const std::optional<int> value = ParseIntText(text);
    if (!value) {
        sink_.ShowMessage(kEnterIntegerMessage);
        return std::nullopt;
    }
    if (*value < min || *value > max) {
        sink_.ShowMessage(IntRangeMessage(min, max));
        return std::nullopt;
    }
    return value;
}

std::optional<double> FieldReader::Number(std::string_view text, double min, double max) {
    const std::optional<double> value = ParseNumberText(text);
    if (!value) {
        sink_.ShowMessage(kEnterNumberMessage);
        return std::nullopt;
    }
    if (*value < min || *value > max) {
        sink_.ShowMessage(NumberRangeMessage(min, max));
        return std::nullopt;
    }
    return value;
}

std::optional<float> FieldReader::Expression(const std::string& text, float lowerBound) {
    float value = 0;
    EvalExpression(sink_, text, value);
    if (!ExpressionValueAccepted(value, lowerBound)) {
        sink_.ShowMessage(kExpressionRangeMessage);
        return std::nullopt;
    }
    return value;
}

} // namespace kestrow::cli
