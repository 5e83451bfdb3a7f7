#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace uitest {

// The two kinds of command line the editor link is tested against: a plain edit
// box that executes its text on Enter, and one built as the editor builds its
// own: a typing buffer behind a prompt at the end of the read-only log display.
enum class CommandLineKind { PlainEdit, EditorLike };

inline const char* KindName(CommandLineKind kind) {
    return kind == CommandLineKind::PlainEdit ? "PlainEdit" : "EditorLike";
}

// The editor's typing buffer, as its log display keeps it: typed characters and
// pastes are added after what is there, Escape empties it, Enter executes it.
class EditorTypingBuffer {
public:
    // The prompt included.
    static constexpr std::size_t kCapacity = 255;

    // The command, when the character was an Enter with something typed.
    std::optional<std::string> Char(unsigned char c);
    // Kept up to the capacity, then ended at the first character that is not
    // printable ASCII, as the editor's later builds do.
    void Paste(std::string_view text);
    std::string Typed() const { return m_line.substr(1); }

private:
    std::string m_line = ">";
};

} // namespace uitest
