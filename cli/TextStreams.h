#pragma once

#include <string>
#include <string_view>

namespace kestrow::cli {

// Where a run writes: the program's standard output or error, or a test's string.
class TextWriter {
public:
    virtual void Write(std::string_view text) = 0;

    TextWriter& operator<<(std::string_view text) {
        Write(text);
        return *this;
    }
    TextWriter& operator<<(char c) {
        Write(std::string_view(&c, 1));
        return *this;
    }

protected:
    ~TextWriter() = default;
};

// Where a run reads commands from: the program's standard input, or a test's string.
class TextReader {
public:
    // Everything up to the end of the input.
    virtual std::string ReadAll() = 0;

protected:
    ~TextReader() = default;
};

} // namespace kestrow::cli
