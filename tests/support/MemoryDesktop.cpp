#include "tests/support/MemoryDesktop.h"

namespace kestrow {

namespace {

uitest::PostedMessage AsWindowsPostsIt(WindowRef target, EditMessage message) {
    switch (message) {
    case EditMessage::SelectAll:
        return {target, 0x00B1, 0, -1}; // EM_SETSEL
    case EditMessage::Paste:
        return {target, 0x0302, 0, 0}; // WM_PASTE
    case EditMessage::Enter:
        return {target, 0x0102, '\r', 0x001C0000}; // WM_CHAR, scan code 0x1C
    }
    return {target, 0, 0, 0};
}

} // namespace

WindowRef MemoryDesktop::AddTopLevelWindow(const std::string& title) {
    m_outside.push_back({title, 0});
    return m_outside.size();
}

WindowRef MemoryDesktop::AddChildWindow(WindowRef parent) {
    m_outside.push_back({"", parent});
    return m_outside.size();
}

WindowRef MemoryDesktop::FindTopLevelWindow(const std::string& title) {
    for (std::size_t i = 0; i < m_outside.size(); ++i) {
        if (m_outside[i].parent == 0 && m_outside[i].title == title)
            return i + 1;
    }
    return 0;
}

WindowRef MemoryDesktop::FirstChild(WindowRef parent) {
    for (std::size_t i = 0; i < m_outside.size(); ++i) {
        if (m_outside[i].parent == parent)
            return i + 1;
    }
    return 0;
}

void MemoryDesktop::Post(WindowRef target, EditMessage message) {
    m_posted.push_back(AsWindowsPostsIt(target, message));
}

void MemoryDesktop::HoldClipboard(std::chrono::milliseconds duration) {
    m_clipboardHeldUntil = m_pausedFor + duration;
}

void MemoryDesktop::HoldClipboard() {
    m_clipboardHeldUntil = std::chrono::milliseconds::max();
}

bool MemoryDesktop::WriteClipboardText(const std::string& text) {
    if (m_pausedFor < m_clipboardHeldUntil)
        return false;
    m_clipboard = text;
    return true;
}

std::optional<std::string> MemoryDesktop::ReadClipboardText() {
    if (m_pausedFor < m_clipboardHeldUntil)
        return std::nullopt;
    return m_clipboard;
}

void MemoryDesktop::Pause(std::chrono::milliseconds duration) {
    m_pausedFor += duration;
}

} // namespace kestrow
