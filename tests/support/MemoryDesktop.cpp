#include "tests/support/MemoryDesktop.h"

#include <algorithm>

namespace kestrow {

namespace {

constexpr auto kForever = std::chrono::milliseconds::max();

constexpr unsigned kEmSetSel = 0x00B1;
constexpr unsigned kEmSetLimitText = 0x00C5;
constexpr unsigned kWmPaste = 0x0302;
constexpr unsigned kWmChar = 0x0102;

uitest::PostedMessage AsWindowsPostsIt(WindowRef target, EditMessage message,
                                       std::size_t textLimit) {
    switch (message) {
    case EditMessage::Escape:
        return {target, kWmChar, 0x1B, 0x00010000}; // scan code 0x01
    case EditMessage::SelectAll:
        return {target, kEmSetSel, 0, -1};
    case EditMessage::Paste:
        return {target, kWmPaste, 0, 0};
    case EditMessage::Enter:
        return {target, kWmChar, '\r', 0x001C0000}; // scan code 0x1C
    case EditMessage::SetTextLimit:
        return {target, kEmSetLimitText, textLimit, 0};
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

WindowRef MemoryDesktop::AddCommandLine(WindowRef parent, uitest::CommandLineKind kind) {
    const WindowRef commandLine = AddChildWindow(parent);
    m_outside.back().kind = kind;
    // The editor's display answers the text limit of the whole log, as under Wine.
    if (kind == uitest::CommandLineKind::EditorLike)
        m_outside.back().textLimit = 30000;
    return commandLine;
}

void MemoryDesktop::KeepBusy(WindowRef window, std::chrono::milliseconds duration) {
    m_outside.at(window - 1).busyUntil = m_now + duration;
}

void MemoryDesktop::KeepBusy(WindowRef window) {
    m_outside.at(window - 1).busyUntil = kForever;
}

void MemoryDesktop::TypeInto(WindowRef commandLine, std::string_view text) {
    OutsideWindow& window = m_outside.at(commandLine - 1);
    for (char c : text)
        HandleChar(window, static_cast<unsigned char>(c));
}

std::vector<std::string> MemoryDesktop::Executed(WindowRef commandLine) {
    OutsideWindow& window = m_outside.at(commandLine - 1);
    Take(window);
    return window.executed;
}

std::string MemoryDesktop::Typed(WindowRef commandLine) {
    OutsideWindow& window = m_outside.at(commandLine - 1);
    Take(window);
    return window.kind == uitest::CommandLineKind::EditorLike ? window.buffer.Typed() : window.text;
}

void MemoryDesktop::RemoveOutsideWindows() {
    for (OutsideWindow& window : m_outside)
        window.closed = true;
}

MemoryDesktop::OutsideWindow* MemoryDesktop::Find(WindowRef window) {
    if (window < 1 || window > m_outside.size() || m_outside[window - 1].closed)
        return nullptr;
    return &m_outside[window - 1];
}

WindowRef MemoryDesktop::FindTopLevelWindow(const std::string& title) {
    for (std::size_t i = 0; i < m_outside.size(); ++i) {
        if (!m_outside[i].closed && m_outside[i].parent == 0 && m_outside[i].title == title)
            return i + 1;
    }
    return 0;
}

WindowRef MemoryDesktop::FirstChild(WindowRef parent) {
    for (std::size_t i = 0; i < m_outside.size(); ++i) {
        if (!m_outside[i].closed && m_outside[i].parent == parent)
            return i + 1;
    }
    return 0;
}

void MemoryDesktop::Post(WindowRef target, EditMessage message, std::size_t textLimit) {
    m_posted.push_back(AsWindowsPostsIt(target, message, textLimit));
    if (OutsideWindow* window = Find(target)) {
        window->queue.push_back(m_posted.back());
        Take(*window);
    }
}

void MemoryDesktop::Take(OutsideWindow& window) {
    if (!window.answers || m_now < window.busyUntil)
        return;
    // Handling one may not post another, but take the queue first all the same.
    const std::vector<uitest::PostedMessage> queue = std::move(window.queue);
    window.queue.clear();
    for (const uitest::PostedMessage& message : queue)
        Handle(window, message);
}

void MemoryDesktop::Handle(OutsideWindow& window, const uitest::PostedMessage& message) {
    using uitest::CommandLineKind;
    if (message.message == kEmSetLimitText) {
        window.textLimit = message.wParam;
        return;
    }
    if (!window.kind)
        return;
    switch (message.message) {
    case kEmSetSel:
        // The editor's display selects in the log above its typing buffer.
        if (window.kind == CommandLineKind::PlainEdit) {
            const std::size_t end =
                message.lParam < 0 ? window.text.size() : static_cast<std::size_t>(message.lParam);
            window.selectionEnd = std::min(end, window.text.size());
            window.selectionStart = std::min<std::size_t>(message.wParam, window.selectionEnd);
        }
        break;
    case kWmPaste:
        // The paste opens the clipboard; another program holding it spoils it.
        if (m_now < m_clipboardHeldUntil)
            break;
        if (window.kind == CommandLineKind::EditorLike)
            window.buffer.Paste(m_clipboard);
        else // a single-line edit box pastes the first line
            ReplaceSelection(window, m_clipboard.substr(0, m_clipboard.find_first_of("\r\n")));
        break;
    case kWmChar:
        HandleChar(window, static_cast<unsigned char>(message.wParam));
        break;
    default:
        break;
    }
}

void MemoryDesktop::HandleChar(OutsideWindow& window, unsigned char c) {
    if (window.kind == uitest::CommandLineKind::EditorLike) {
        if (std::optional<std::string> command = window.buffer.Char(c))
            window.executed.push_back(std::move(*command));
        return;
    }
    // The plain stand-in executes its text on Enter and empties itself; the edit
    // box ignores Escape and every other control character but Backspace.
    if (c == '\r') {
        window.executed.push_back(window.text);
        window.text.clear();
        window.selectionStart = window.selectionEnd = 0;
    } else if (c == '\b') {
        if (window.selectionStart == window.selectionEnd && window.selectionStart > 0)
            --window.selectionStart;
        ReplaceSelection(window, {});
    } else if (c >= 32) {
        ReplaceSelection(window, std::string(1, static_cast<char>(c)));
    }
}

// As an edit box does: no more is inserted than its text limit leaves room for,
// and the caret ends up after the insertion.
void MemoryDesktop::ReplaceSelection(OutsideWindow& window, std::string_view text) {
    std::string& whole = window.text;
    whole.erase(window.selectionStart, window.selectionEnd - window.selectionStart);
    const std::size_t room = window.textLimit - std::min(window.textLimit, whole.size());
    const std::string_view inserted = text.substr(0, room);
    whole.insert(window.selectionStart, inserted);
    window.selectionStart += inserted.size();
    window.selectionEnd = window.selectionStart;
}

MemoryDesktop::OutsideWindow* MemoryDesktop::Answering(WindowRef window,
                                                       std::chrono::milliseconds timeout) {
    OutsideWindow* answering = Find(window);
    if (answering == nullptr)
        return nullptr;
    if (!answering->answers) {
        m_now += timeout;
        return nullptr;
    }
    Take(*answering);
    return answering;
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
