#include "eval/NumberReader.h"

namespace kestrow {
namespace {

float TokenDigit(const Token& token) {
    return DigitValue(std::string_view(&token.character, 1));
}

} // namespace

float DigitValue(std::string_view digits) {
    float value = 0;
    for (const char c : digits) {
        if (c == ' ')
            continue;
        if (c < '0' || c > '9')
            break;
        value = static_cast<float>(static_cast<double>(value) * 10.0 + (c - '0'));
    }
    return value;
}

float ReadNumber(ExpressionText& text, Token& current) {
    float value = 0;
    while (current.IsDigit()) {
        value = static_cast<float>(static_cast<double>(TokenDigit(current)) +
                                   10.0 * static_cast<double>(value));
        current = NextChar(text);
    }
    if (!current.Is('.'))
        return value;
    const float tenth = 0.1f;
    float scale = tenth;
    current = NextChar(text);
    while (current.IsDigit()) {
        value = static_cast<float>(static_cast<double>(value) +
                                   static_cast<double>(TokenDigit(current)) *
                                       static_cast<double>(scale));
        scale = static_cast<float>(static_cast<double>(scale) * static_cast<double>(tenth));
        current = NextChar(text);
    }
    return value;
}

} // namespace kestrow
