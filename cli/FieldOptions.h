#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "pages/FieldKinds.h"

namespace kestrow::cli {

// What an option of a page field holds until the user gives one: the page's default.
std::string DefaultText(const IntField& field);
std::string DefaultText(const NumberField& field);
std::string DefaultText(const ExpressionField& field);
// The axis a two-button radio group names by default, "U" for its first button.
std::string AxisText(const RadioField& field);

// One line of a subcommand's usage: the option, then what it does from `column` on.
inline constexpr std::size_t kOptionColumn = 23;
std::string OptionLine(std::string_view option, std::string_view what,
                       std::size_t column = kOptionColumn);

// The line of an option that fills a page field, ending in the field's range and
// default: "  --width N            texture width in texels, 4 to 16384 (128)".
std::string FieldOptionLine(std::string_view option, std::string_view what, const IntField& field);
std::string FieldOptionLine(std::string_view option, std::string_view what,
                            const NumberField& field);
std::string FieldOptionLine(std::string_view option, std::string_view what,
                            const ExpressionField& field);

} // namespace kestrow::cli
