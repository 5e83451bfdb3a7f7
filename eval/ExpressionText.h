#pragma once

#include <cstddef>
#include <string>

namespace kestrow {

// The text under evaluation and how much of it has been consumed. The levels of
// an evaluation move the cursor instead of cutting the string, so reading the
// whole text stays linear in its length.
struct ExpressionText {
    std::string text;
    std::size_t position = 0;
};

// One character taken off the text, or the end of the text.
struct Token {
    bool atEnd = true;
    char character = '\0';
    std::size_t offset = 0; // where the character stands, so that it can be put back

    bool Is(char c) const { return !atEnd && character == c; }
    bool IsDigit() const { return !atEnd && character >= '0' && character <= '9'; }
};

// Skips blanks (the space character, nothing else) and takes the next character.
Token NextChar(ExpressionText& text);

// Makes the next NextChar return `token` again. `token` must come from `text`.
void PutBack(ExpressionText& text, const Token& token);

} // namespace kestrow
