#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace uitest {

// The kinds of command line the editor link is tested against: a plain edit
// box that executes its text on Enter, and each way the editor builds mappers
// run make their log window's command line:
//   Classic    1998-2001: a typing buffer behind a prompt at the end of the
//              read-only log display, 254 characters at most;
//   Ut469      the same typing buffer without the cap, in a log window with a
//              title of its own (a localized one here);
//   Unreal227  a command box (a drop-down combo box) beside the display, which
//              runs its text on a key-down of Enter sent to the box itself.
enum class CommandLineKind { PlainEdit, Classic, Ut469, Unreal227 };
inline constexpr CommandLineKind kEveryKind[] = {CommandLineKind::PlainEdit, CommandLineKind::Classic,
                                                 CommandLineKind::Ut469, CommandLineKind::Unreal227};

const char* KindName(CommandLineKind kind);

// The top-level log window as each makes it. The plain stand-in is of a class of
// its own, found only by its title.
struct LogWindowNames {
    const char* className;
    const char* title;
};
LogWindowNames LogWindowOf(CommandLineKind kind);

// A game's log window, which 227's game titles as the older editors titled theirs.
inline constexpr LogWindowNames kGameLogWindow = {"UnrealUnrealWLog", "Unreal Log Window"};

// Unreal 227's two children of the log window, in their child order, and the
// edit inside its command box.
inline constexpr const char* k227DisplayClass = "UnrealEdUnrealWEdit";
inline constexpr const char* k227CommandBoxClass = "UnrealEdUnrealWComboBox";
inline constexpr std::size_t k227HistorySize = 8;

// The editor's typing buffer, as its log display keeps it: typed characters and
// pastes are added after what is there, Escape empties it, Enter executes it.
class EditorTypingBuffer {
public:
    // The 1998-2001 builds' capacity, the prompt included; UT 469 has none.
    static constexpr std::size_t kClassicCapacity = 255;
    static constexpr std::size_t kNoCap = std::string::npos;

    explicit EditorTypingBuffer(std::size_t capacity = kClassicCapacity) : m_capacity(capacity) {}

    // The command, when the character was an Enter with something typed.
    std::optional<std::string> Char(unsigned char c);
    // Kept up to the capacity, then ended at the first character that is not
    // printable ASCII, as the editor's later builds do.
    void Paste(std::string_view text);
    std::string Typed() const { return m_line.substr(1); }

private:
    std::size_t m_capacity;
    std::string m_line = ">";
};

// The typing buffer of a command line of that kind (Classic or Ut469).
EditorTypingBuffer TypingBufferOf(CommandLineKind kind);

} // namespace uitest
