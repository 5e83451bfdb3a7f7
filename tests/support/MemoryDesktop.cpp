#include "tests/support/MemoryDesktop.h"

namespace kestrow {

namespace {

constexpr auto kForever = std::chrono::milliseconds::max();

uitest::PostedMessage AsWindowsPostsIt(WindowRef target, EditMessage message,
                                       std::size_t textLimit) {
    switch (message) {
    case EditMessage::SelectAll:
        return {target, 0x00B1, 0, -1}; // EM_SETSEL
    case EditMessage::Paste:
        return {target, 0x0302, 0, 0}; // WM_PASTE
    case EditMessage::Enter:
        return {target, 0x0102, '\r', 0x001C0000}; // WM_CHAR, scan code 0x1C
    case EditMessage::SetTextLimit:
        return {target, 0x00C5, textLimit, 0}; // EM_SETLIMITTEXT
    }
    return {target, 0, 0, 0};
}

} // namespace

WindowRef MemoryDesktop::AddTopLevelWindow(const std::string& title) {
    m_outside.emplace_back().title = title;
    return m_outside.size();
}

WindowRef MemoryDesktop::AddChildWindow(WindowRef parent) {
    m_outside.emplace_back().parent = parent;
    return m_outside.size();
}

void MemoryDesktop::KeepBusy(WindowRef window, std::chrono::milliseconds duration) {
    m_outside.at(window - 1).busyUntil = m_now + duration;
}

void MemoryDesktop::KeepBusy(WindowRef window) {
    m_outside.at(window - 1).busyUntil = kForever;
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

void MemoryDesktop::Post(WindowRef target, EditMessage message, std::size_t textLimit) {
    m_posted.push_back(AsWindowsPostsIt(target, message, textLimit));
    if (message == EditMessage::SetTextLimit && target >= 1 && target <= m_outside.size())
        m_outside[target - 1].postedLimits.push_back(textLimit);
}

MemoryDesktop::OutsideWindow* MemoryDesktop::Answering(WindowRef window,
                                                       std::chrono::milliseconds timeout) {
    if (window < 1 || window > m_outside.size())
        return nullptr;
    OutsideWindow& answering = m_outside[window - 1];
    if (!answering.answers) {
        m_now += timeout;
        return nullptr;
    }
    if (m_now >= answering.busyUntil) {
        for (std::size_t limit : answering.postedLimits)
            answering.textLimit = limit;
        answering.postedLimits.clear();
    }
    return &answering;
}

std::optional<std::size_t> MemoryDesktop::AskTextLimit(WindowRef window,
                                                       std::chrono::milliseconds timeout) {
    if (const OutsideWindow* answering = Answering(window, timeout))
        return answering->textLimit;
    return std::nullopt;
}

void MemoryDesktop::SetTextLimit(WindowRef window, std::size_t limit,
                                 std::chrono::milliseconds timeout) {
    if (OutsideWindow* answering = Answering(window, timeout))
        answering->textLimit = limit;
}

void MemoryDesktop::HoldClipboard(std::chrono::milliseconds duration) {
    m_clipboardHeldUntil = m_now + duration;
}

void MemoryDesktop::HoldClipboard() {
    m_clipboardHeldUntil = kForever;
}

bool MemoryDesktop::WriteClipboardText(const std::string& text) {
    if (m_now < m_clipboardHeldUntil)
        return false;
    m_clipboard = text;
    return true;
}

std::optional<std::string> MemoryDesktop::ReadClipboardText() {
    if (m_now < m_clipboardHeldUntil)
        return std::nullopt;
    return m_clipboard;
}

} // namespace kestrow
