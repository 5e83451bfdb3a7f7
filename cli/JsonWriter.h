#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrow::cli {

// Writes one JSON document on one line. Values and keys come in document order;
// the writer puts the separators and escapes the strings.
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(std::string_view name);

    // Text that is not valid UTF-8 has each stray byte replaced by U+FFFD.
    void String(std::string_view text);
    // The fewest digits that read back as the same double, or as the same 32-bit
    // float; null for an infinity or NaN, which JSON cannot hold.
    void Number(double value);
    void Number(float value);
    void Integer(long long value);
    void Bool(bool value);
    void Null();

    const std::string& Text() const { return text_; }

private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);

    std::string text_;
    // One entry per open object or array: whether it holds a value yet.
    std::vector<bool> hasValue_;
    bool afterKey_ = false;
};

} // namespace kestrow::cli
