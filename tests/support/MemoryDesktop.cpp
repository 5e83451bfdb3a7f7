#include "tests/support/MemoryDesktop.h"

#include <algorithm>
#include <utility>

namespace kestrow {

namespace {

using uitest::CommandLineKind;

constexpr auto kForever = std::chrono::milliseconds::max();

// The text limit an edit control answers under Wine unless told otherwise.
constexpr std::size_t kWineEditLimit = 30000;

} // namespace

WindowRef MemoryDesktop::Add(OutsideWindow window) {
    m_outside.push_back(std::move(window));
    return m_outside.size();
}

WindowRef MemoryDesktop::AddTopLevelWindow(const std::string& title, const std::string& className) {
    OutsideWindow window;
    window.title = title;
    window.className = className;
    return Add(std::move(window));
}

WindowRef MemoryDesktop::AddChildWindow(WindowRef parent, const std::string& className) {
    OutsideWindow window;
    window.parent = parent;
    window.className = className;
    return Add(std::move(window));
}

WindowRef MemoryDesktop::AddCommandLine(WindowRef parent, CommandLineKind kind) {
    const auto add = [&](WindowRef in, const char* className, Role role, std::size_t limit) {
        const WindowRef window = AddChildWindow(in, className);
        m_outside.back().role = role;
        m_outside.back().textLimit = limit;
        return window;
    };
    switch (kind) {
    case CommandLineKind::PlainEdit:
        return add(parent, "Edit", Role::PlainEdit, kDefaultTextLimit);
    case CommandLineKind::Classic:
    case CommandLineKind::Ut469: {
        // The editor's display answers the text limit of the whole log.
        const WindowRef display = add(parent, "Edit", Role::Display, kWineEditLimit);
        m_outside.back().buffer = uitest::TypingBufferOf(kind);
        return display;
    }
    case CommandLineKind::Unreal227:
        break;
    }
    add(parent, uitest::k227DisplayClass, Role::Display227, kWineEditLimit);
    const WindowRef box = add(parent, uitest::k227CommandBoxClass, Role::CommandBox, 0);
    add(box, "Edit", Role::EditInABox, kWineEditLimit);
    return box;
}

WindowRef MemoryDesktop::AddEditor(CommandLineKind kind) {
    const uitest::LogWindowNames names = uitest::LogWindowOf(kind);
    return AddCommandLine(AddTopLevelWindow(names.title, names.className), kind);
}

MemoryDesktop::OutsideWindow& MemoryDesktop::Program(WindowRef window) {
    while (m_outside.at(window - 1).parent != 0)
        window = m_outside[window - 1].parent;
    return m_outside[window - 1];
}

void MemoryDesktop::KeepBusy(WindowRef window, std::chrono::milliseconds duration) {
    Program(window).busyUntil = m_now + duration;
}

void MemoryDesktop::KeepBusy(WindowRef window) {
    Program(window).busyUntil = kForever;
}

void MemoryDesktop::KeepBusyOnceAnswered(WindowRef window, std::chrono::milliseconds duration) {
    Program(window).busyOnceAnswered = duration;
}

void MemoryDesktop::KeepBusyOnceAnswered(WindowRef window) {
    Program(window).busyOnceAnswered = kForever;
}

void MemoryDesktop::TypeInto(WindowRef commandLine, std::string_view text) {
    for (char c : text)
        HandleChar(commandLine, static_cast<unsigned char>(c));
}

std::vector<std::string> MemoryDesktop::Executed(WindowRef commandLine) {
    Take(Program(commandLine));
    return m_outside.at(commandLine - 1).executed;
}

std::string MemoryDesktop::Typed(WindowRef commandLine) {
    Take(Program(commandLine));
    const OutsideWindow& window = m_outside.at(commandLine - 1);
    switch (window.role) {
    case Role::Display:
        return window.buffer.Typed();
    case Role::CommandBox:
        return m_outside.at(Children(commandLine).at(0) - 1).text;
    default:
        return window.text;
    }
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

WindowRef MemoryDesktop::FindTopLevelWindow(const std::string& className,
                                            const std::string& title) {
    for (std::size_t i = 0; i < m_outside.size(); ++i) {
        const OutsideWindow& window = m_outside[i];
        if (!window.closed && window.parent == 0 &&
            (className.empty() || window.className == className) &&
            (title.empty() || window.title == title))
            return i + 1;
    }
    return 0;
}

std::vector<WindowRef> MemoryDesktop::Children(WindowRef parent) {
    std::vector<WindowRef> children;
    for (std::size_t i = 0; i < m_outside.size(); ++i) {
        if (!m_outside[i].closed && m_outside[i].parent == parent)
            children.push_back(i + 1);
    }
    return children;
}

std::string MemoryDesktop::ClassName(WindowRef window) {
    const OutsideWindow* found = Find(window);
    return found == nullptr ? std::string() : found->className;
}

void MemoryDesktop::Post(WindowRef target, const WindowMessage& message) {
    m_posted.push_back({target, message.id, message.wParam, message.lParam});
    if (Find(target) != nullptr) {
        OutsideWindow& program = Program(target);
        program.queue.push_back(m_posted.back());
        Take(program);
    }
}

// One message at a time: handling one may post another behind the rest.
void MemoryDesktop::Take(OutsideWindow& program) {
    while (program.answers && m_now >= program.busyUntil && !program.queue.empty()) {
        const uitest::PostedMessage message = program.queue.front();
        program.queue.erase(program.queue.begin());
        Handle(message.target, message);
    }
}

void MemoryDesktop::Handle(WindowRef target, const uitest::PostedMessage& message) {
    OutsideWindow* window = Find(target);
    if (window == nullptr)
        return;
    const bool edit = window->role == Role::PlainEdit || window->role == Role::EditInABox;
    switch (message.message) {
    case messages::kSetLimitText:
        if (window->textLimit != 0) // edit controls only
            window->textLimit = message.wParam;
        break;
    case messages::kSetSel:
        // The editor's display selects in the log above its typing buffer.
        if (edit) {
            const std::size_t end =
                message.lParam < 0 ? window->text.size() : static_cast<std::size_t>(message.lParam);
            window->selectionEnd = std::min(end, window->text.size());
            window->selectionStart = std::min<std::size_t>(message.wParam, window->selectionEnd);
        }
        break;
    case messages::kPaste:
        // The paste opens the clipboard; another program holding it spoils it.
        // 227's display swallows it.
        if (m_now < m_clipboardHeldUntil)
            break;
        if (window->role == Role::Display)
            window->buffer.Paste(m_clipboard);
        else if (edit) // a single-line edit box pastes the first line
            ReplaceSelection(*window, m_clipboard.substr(0, m_clipboard.find_first_of("\r\n")));
        break;
    case messages::kChar:
        HandleChar(target, static_cast<unsigned char>(message.wParam));
        break;
    case messages::kKeyDown:
        if (window->role == Role::CommandBox && message.wParam == messages::kReturn)
            RunCommandBox(target);
        break;
    default:
        break;
    }
}

void MemoryDesktop::HandleChar(WindowRef target, unsigned char c) {
    OutsideWindow& window = m_outside.at(target - 1);
    switch (window.role) {
    case Role::Inert:
        return;
    case Role::Display:
        if (std::optional<std::string> command = window.buffer.Char(c))
            window.executed.push_back(std::move(*command));
        return;
    case Role::Display227: {
        // Posted on to the command box, where an Enter ends in the box's own
        // handling of the key.
        const std::vector<WindowRef> siblings = Children(window.parent);
        const auto box = std::find_if(siblings.begin(), siblings.end(), [&](WindowRef w) {
            return m_outside[w - 1].role == Role::CommandBox;
        });
        if (c != 3 && box != siblings.end())
            Program(target).queue.push_back(
                c == '\r'
                    ? uitest::PostedMessage{*box, messages::kEnterKey.id,
                                            messages::kEnterKey.wParam, messages::kEnterKey.lParam}
                    : uitest::PostedMessage{*box, messages::kChar, c, 1});
        return;
    }
    case Role::CommandBox:
        // Characters reach the box's edit; its Enter character runs nothing.
        if (c != '\r')
            HandleChar(Children(target).at(0), c);
        return;
    case Role::PlainEdit:
    case Role::EditInABox:
        break;
    }
    // The plain stand-in executes its text on Enter and empties itself; an edit
    // box ignores Escape and every other control character but Backspace.
    if (c == '\r') {
        if (window.role == Role::PlainEdit) {
            window.executed.push_back(window.text);
            window.text.clear();
            window.selectionStart = window.selectionEnd = 0;
        }
    } else if (c == '\b') {
        if (window.selectionStart == window.selectionEnd && window.selectionStart > 0)
            --window.selectionStart;
        ReplaceSelection(window, {});
    } else if (c >= 32) {
        ReplaceSelection(window, std::string(1, static_cast<char>(c)));
    }
}

// The box runs what its edit holds, if anything, and empties it.
void MemoryDesktop::RunCommandBox(WindowRef box) {
    OutsideWindow& edit = m_outside.at(Children(box).at(0) - 1);
    if (edit.text.empty())
        return;
    m_outside.at(box - 1).executed.push_back(edit.text);
    edit.text.clear();
    edit.selectionStart = edit.selectionEnd = 0;
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

// A program handles what is sent to it ahead of what is posted: an idle one has
// taken its queue already, but one that was busy answers first, once it is
// free, if that comes within the timeout.
MemoryDesktop::OutsideWindow* MemoryDesktop::Answering(WindowRef window,
                                                       std::chrono::milliseconds timeout) {
    OutsideWindow* answering = Find(window);
    if (answering == nullptr)
        return nullptr;
    OutsideWindow& program = Program(window);
    if (!program.answers || program.busyUntil - m_now > timeout) {
        m_now += timeout;
        return nullptr;
    }
    if (m_now >= program.busyUntil)
        Take(program);
    m_now = std::max(m_now, program.busyUntil);
    if (program.busyOnceAnswered) {
        const std::chrono::milliseconds duration = *std::exchange(program.busyOnceAnswered, {});
        program.busyUntil = duration == kForever ? kForever : m_now + duration;
    }
    return answering;
}

std::optional<std::intptr_t> MemoryDesktop::Send(WindowRef target, const WindowMessage& message,
                                                 std::chrono::milliseconds timeout) {
    const OutsideWindow* answering = Answering(target, timeout);
    if (answering == nullptr)
        return std::nullopt;
    if (message.id == messages::kGetLimitText)
        return static_cast<std::intptr_t>(answering->textLimit);
    Handle(target, {target, message.id, message.wParam, message.lParam});
    return 0;
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
