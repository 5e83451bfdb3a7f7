#include "eval/ExpressionText.h"

namespace kestrow {

Token NextChar(ExpressionText& text) {
    while (text.position < text.text.size()) {
        const std::size_t offset = text.position++;
        const char c = text.text[offset];
        if (c != ' ')
            return Token{false, c, offset};
    }
    return Token{};
}

void PutBack(ExpressionText& text, const Token& token) {
    if (!token.atEnd)
        text.position = token.offset;
}

} // namespace kestrow
