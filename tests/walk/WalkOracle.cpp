#include "WalkOracle.h"

#include "app/AboutTexts.h"
#include "eval/Evaluator.h"
#include "tests/eval/RecordingSink.h"
#include "text/NumberText.h"

#include <algorithm>
#include <array>
#include <optional>

namespace walk {

namespace {

constexpr const char* kRangeRule = "Please enter an integer expression from 1 to 65535";
constexpr const char* kEnterInteger = "Please enter an integer.";
constexpr const char* kEnterNumber = "Please enter a number.";
constexpr const char* kClipboardBusy =
    "The command was not sent to the editor because another program is holding the "
    "clipboard. Please try again.";
constexpr float kUpperBound = 65535.0f;

std::optional<double> Parse(const NumberField& field, const std::string& text) {
    if (field.isInt) {
        auto value = kestrow::ParseIntText(text);
        return value ? std::optional<double>(*value) : std::nullopt;
    }
    return kestrow::ParseNumberText(text);
}

} // namespace

const char* AppCaption() {
    return "Kestrow";
}

const char* ClipboardBusyText() {
    return kClipboardBusy;
}

Reading ReadPage(const PageSpec& page, const TextOf& textOf, bool withExpressions) {
    Reading reading;
    for (const NumberField& field : page.numbers) {
        std::optional<double> value = Parse(field, textOf(field.id));
        const char* message = nullptr;
        if (!value)
            message = field.isInt ? kEnterInteger : kEnterNumber;
        else if (field.ranged && !(*value >= field.min && *value <= field.max))
            message = field.rangeMessage;
        if (message != nullptr) {
            reading.messages.push_back({Role::Main, message, AppCaption()});
            reading.rejectedField = field.id;
            reading.numbersRead = false;
            return reading;
        }
    }
    if (!withExpressions)
        return reading;
    for (const ExpressionField& field : page.expressions) {
        kestrow::testing::RecordingSink sink;
        const float value = kestrow::EvalExpression(sink, textOf(field.id));
        for (const std::string& text : sink.messages)
            reading.messages.push_back({Role::Main, text, AppCaption()});
        if (!(value >= field.lowerBound && value <= kUpperBound)) {
            reading.messages.push_back({Role::Main, kRangeRule, AppCaption()});
            reading.rejectedField = field.id;
            return reading;
        }
    }
    return reading;
}

std::string WrittenBack(const NumberField& field, const std::string& typed) {
    if (field.isInt) {
        auto value = kestrow::ParseIntText(typed);
        return value ? std::to_string(*value) : typed;
    }
    auto value = kestrow::ParseNumberText(typed);
    return value ? kestrow::FormatGeneral(*value, 15) : typed;
}

bool IsOwnMessage(const std::string& text) {
    static const std::array<std::string, 18> kTexts = {
        "Mismatched brackets.",
        "No value recognized",
        "Can't take square root of negative number",
        "Division by zero isn't allowed",
        "Modulo zero isn't allowed",
        "Unrecognized Operator",
        "Error in expression.",
        kRangeRule,
        kEnterInteger,
        kEnterNumber,
        "Please enter an integer between 3 and 256.",
        "Please enter an integer between 4 and 16384.",
        "Please enter a number between 0.03125 and 32.",
        "Please enter a number between 0.03125 and 256.",
        "Please enter a number between 0.0625 and 256.",
        "Please enter a number between 0.0625 and 128.",
        kCreditsText,
        kClipboardBusy,
    };
    return std::find(kTexts.begin(), kTexts.end(), text) != kTexts.end() || text == kRevHistoryText;
}

std::string ShownText(const std::string& text) {
    constexpr std::size_t kShown = 60;
    std::string shown(1, '"');
    if (text.size() <= kShown)
        return shown.append(text).append(1, '"');
    return shown.append(text, 0, kShown)
        .append("...\" (")
        .append(std::to_string(text.size()))
        .append(" characters)");
}

} // namespace walk
