#include "tests/support/EditorCommandLine.h"

#include <algorithm>

namespace uitest {

namespace {
constexpr unsigned char kBackspace = 8;
constexpr unsigned char kEnter = 13;
constexpr unsigned char kEscape = 27;
} // namespace

const char* KindName(CommandLineKind kind) {
    switch (kind) {
    case CommandLineKind::PlainEdit:
        return "PlainEdit";
    case CommandLineKind::Classic:
        return "Classic";
    case CommandLineKind::Ut469:
        return "Ut469";
    case CommandLineKind::Unreal227:
        return "Unreal227";
    }
    return "";
}

LogWindowNames LogWindowOf(CommandLineKind kind) {
    switch (kind) {
    case CommandLineKind::PlainEdit:
        return {"KestrowStandInEditor", "Unreal Log Window"};
    case CommandLineKind::Ut469:
        return {"UnrealEdUnrealWLog", "Unreal Editor Protokollfenster"};
    case CommandLineKind::Classic:
    case CommandLineKind::Unreal227:
        break;
    }
    return {"UnrealEdUnrealWLog", "Unreal Log Window"};
}

EditorTypingBuffer TypingBufferOf(CommandLineKind kind) {
    return EditorTypingBuffer(kind == CommandLineKind::Ut469 ? EditorTypingBuffer::kNoCap
                                                              : EditorTypingBuffer::kClassicCapacity);
}

std::optional<std::string> EditorTypingBuffer::Char(unsigned char c) {
    if (c == kEnter && m_line.size() > 1) {
        std::string command = Typed();
        m_line.resize(1);
        return command;
    }
    if (c == kBackspace && m_line.size() > 1)
        m_line.pop_back();
    else if (c == kEscape)
        m_line.resize(1);
    else if (c >= 32 && m_line.size() < m_capacity)
        m_line += static_cast<char>(c);
    return std::nullopt;
}

void EditorTypingBuffer::Paste(std::string_view text) {
    m_line.append(text.substr(0, m_capacity - std::min(m_capacity, m_line.size())));
    const auto end = std::find_if(m_line.begin() + 1, m_line.end(), [](char c) {
        return static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126;
    });
    m_line.erase(end, m_line.end());
}

} // namespace uitest
