#include "cli/FieldOptions.h"

#include "ui/NumberText.h"

namespace kestrow::cli {
namespace {

// As the page's range messages print a number field's bounds.
constexpr int kNumberDigits = 15;

std::string Number(double value) {
    return FormatGeneral(value, kNumberDigits);
}

std::string RangeLine(std::string_view option, std::string_view what, const std::string& min,
                      const std::string& max, const std::string& initial) {
    return OptionLine(option, std::string(what) + ", " + min + " to " + max + " (" + initial + ")");
}

} // namespace

std::string DefaultText(const IntField& field) {
    return std::to_string(field.initial);
}

std::string DefaultText(const NumberField& field) {
    return Number(field.initial);
}

std::string DefaultText(const ExpressionField& field) {
    return field.initial;
}

std::string AxisText(const RadioField& field) {
    return field.initial == 0 ? "U" : "V";
}

std::string OptionLine(std::string_view option, std::string_view what, std::size_t column) {
    constexpr std::size_t kIndent = 2;
    constexpr std::size_t kLeastGap = 2;
    std::string line(kIndent, ' ');
    line += option;
    line.append(line.size() + kLeastGap > column ? kLeastGap : column - line.size(), ' ');
    line += what;
    line += '\n';
    return line;
}

std::string FieldOptionLine(std::string_view option, std::string_view what, const IntField& field) {
    return RangeLine(option, what, std::to_string(field.min), std::to_string(field.max),
                     DefaultText(field));
}

std::string FieldOptionLine(std::string_view option, std::string_view what,
                            const NumberField& field) {
    return RangeLine(option, what, Number(field.min), Number(field.max), DefaultText(field));
}

std::string FieldOptionLine(std::string_view option, std::string_view what,
                            const ExpressionField& field) {
    std::string quoted(1, '"');
    quoted += DefaultText(field);
    quoted += '"';
    return RangeLine(option, what, Number(field.lowerBound), Number(kExpressionUpperBound), quoted);
}

} // namespace kestrow::cli
