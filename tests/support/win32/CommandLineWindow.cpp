#include "tests/support/win32/CommandLineWindow.h"

#include "tests/support/win32/ClipboardText.h"

#include <algorithm>
#include <memory>

namespace uitest {

namespace {

constexpr DWORD kDisplayStyle = ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL;
constexpr WPARAM kCopyCharacter = 3; // Ctrl+C
constexpr int kCommandBoxHeight = 24;
constexpr int kHistoryItemHeight = 16;

struct CommandLineState {
    WNDPROC baseProc;
    ExecutedHandler onExecuted;
    EditorTypingBuffer buffer; // a log display's
    std::string log;           // what a log display shows above the prompt
};

// The classes' own procedures that 227's display and command box build on.
WNDPROC g_displayBase = nullptr;
WNDPROC g_commandBoxBase = nullptr;

CommandLineState* StateOf(HWND window) {
    return reinterpret_cast<CommandLineState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// To the control's own class; the state goes with the window.
LRESULT PassOn(WNDPROC base, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
        const std::unique_ptr<CommandLineState> owned(StateOf(window));
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    }
    return CallWindowProcA(base, window, message, wParam, lParam);
}

LRESULT CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return PassOn(StateOf(window)->baseProc, window, message, wParam, lParam);
}

// The log, then the prompt and what is typed as its last line, scrolled to the end.
void ShowDisplay(HWND window) {
    CommandLineState& state = *StateOf(window);
    const std::string text = state.log + ">" + state.buffer.Typed();
    CallOriginal(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    CallOriginal(window, EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
    CallOriginal(window, EM_SCROLLCARET, 0, 0);
}

// The 1998-2001 builds' and UT 469's display: typed characters and pastes go to
// its typing buffer and never reach the edit control; everything else acts on
// the edit, the whole log.
LRESULT CALLBACK TypingBufferProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CommandLineState& state = *StateOf(window);
    switch (message) {
    case WM_CHAR:
        if (std::optional<std::string> command =
                state.buffer.Char(static_cast<unsigned char>(wParam))) {
            state.log += ">" + *command + "\r\n";
            state.onExecuted(window, *command);
        }
        ShowDisplay(window);
        return 0;
    case WM_PASTE:
        state.buffer.Paste(ClipboardTextNow(window));
        ShowDisplay(window);
        return 0;
    default:
        return CallOriginal(window, message, wParam, lParam);
    }
}

// A plain edit box whose Enter executes its text and empties it.
LRESULT CALLBACK PlainEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR && wParam == '\r') {
        const std::string command = WindowText(window);
        SetWindowTextA(window, "");
        StateOf(window)->onExecuted(window, command);
        return 0;
    }
    return CallOriginal(window, message, wParam, lParam);
}

// Unreal 227's display: a character sent to it moves the focus to the command
// box and is posted on there, where its Enter ends in the box's own Enter
// handling; a paste is swallowed; the rest acts on the log. It holds its box.
LRESULT CALLBACK CommandBoxDisplayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND box = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (box != nullptr && message == WM_CHAR && wParam != kCopyCharacter) {
        SetFocus(box);
        if (wParam == '\r')
            PostMessageA(box, WM_KEYDOWN, VK_RETURN, lParam);
        else
            PostMessageA(box, WM_CHAR, wParam, lParam);
        return 0;
    }
    if (message == WM_PASTE)
        return 0;
    return CallWindowProcA(g_displayBase, window, message, wParam, lParam);
}

// Runs the box's text, if any, keeps it at the top of the drop-down history and
// empties the box.
void RunCommandBox(HWND box, const CommandLineState& state) {
    const std::string command = WindowText(box);
    if (command.empty())
        return;
    state.onExecuted(box, command);
    SendMessageA(box, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(command.c_str()));
    if (static_cast<std::size_t>(SendMessageA(box, CB_GETCOUNT, 0, 0)) > k227HistorySize)
        SendMessageA(box, CB_DELETESTRING, k227HistorySize, 0);
    SetWindowTextA(box, "");
}

// Unreal 227's command box runs on the Enter key sent or posted to the box
// itself; the Enter character does nothing, nor do the up and down arrows.
LRESULT CALLBACK CommandBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const CommandLineState* state = StateOf(window);
    if (state != nullptr && message == WM_KEYDOWN) {
        if (wParam == VK_RETURN)
            RunCommandBox(window, *state);
        if (wParam == VK_RETURN || wParam == VK_UP || wParam == VK_DOWN)
            return 0;
    }
    return PassOn(g_commandBoxBase, window, message, wParam, lParam);
}

// A class of that name that is the base class but for its procedure; true also
// when an earlier call registered it.
bool RegisterSuperclass(const char* base, const char* name, WNDPROC proc, WNDPROC& baseProc) {
    WNDCLASSA windowClass{};
    if (!GetClassInfoA(nullptr, base, &windowClass))
        return false;
    if (baseProc == nullptr)
        baseProc = windowClass.lpfnWndProc;
    windowClass.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    windowClass.lpfnWndProc = proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CreateChild(HWND parent, const char* className, DWORD exStyle, DWORD style, int id,
                 const RECT& bounds) {
    return CreateWindowExA(exStyle, className, "", WS_CHILD | WS_VISIBLE | style, bounds.left,
                           bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

// An edit control that handles its messages in `proc` first.
HWND CreateSubclassedEdit(HWND parent, DWORD style, int id, const RECT& bounds, WNDPROC proc,
                          CommandLineState state) {
    HWND window = CreateChild(parent, "Edit", WS_EX_CLIENTEDGE, style, id, bounds);
    if (window == nullptr)
        return nullptr;
    state.baseProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    SetWindowLongPtrA(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(new CommandLineState(std::move(state))));
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    return window;
}

// The display above, the command box along the bottom, in that child order.
HWND CreateDisplayAndCommandBox(HWND parent, int id, const RECT& bounds,
                                ExecutedHandler onExecuted) {
    if (!RegisterSuperclass("Edit", k227DisplayClass, CommandBoxDisplayProc, g_displayBase) ||
        !RegisterSuperclass("ComboBox", k227CommandBoxClass, CommandBoxProc, g_commandBoxBase))
        return nullptr;
    const int boxTop = bounds.bottom - kCommandBoxHeight;
    HWND display = CreateChild(parent, k227DisplayClass, WS_EX_CLIENTEDGE, kDisplayStyle, 0,
                               RECT{bounds.left, bounds.top, bounds.right, boxTop});
    // A drop-down combo box's height includes its list's.
    const int listHeight = static_cast<int>(k227HistorySize) * kHistoryItemHeight;
    HWND box =
        CreateChild(parent, k227CommandBoxClass, 0, WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, id,
                    RECT{bounds.left, boxTop, bounds.right, bounds.bottom + listHeight});
    if (display == nullptr || box == nullptr)
        return nullptr;
    SetWindowLongPtrA(display, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
    SetWindowLongPtrA(box, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(new CommandLineState{
                          g_commandBoxBase, std::move(onExecuted), EditorTypingBuffer(), {}}));
    return box;
}

} // namespace

HWND CreateCommandLineWindow(HWND parent, CommandLineKind kind, int id, const RECT& bounds,
                             ExecutedHandler onExecuted) {
    switch (kind) {
    case CommandLineKind::PlainEdit:
        return CreateSubclassedEdit(parent, ES_AUTOHSCROLL, id, bounds, PlainEditProc,
                                    {nullptr, std::move(onExecuted), EditorTypingBuffer(), {}});
    case CommandLineKind::Classic:
    case CommandLineKind::Ut469:
        if (HWND display =
                CreateSubclassedEdit(parent, kDisplayStyle, id, bounds, TypingBufferProc,
                                     {nullptr, std::move(onExecuted), TypingBufferOf(kind), {}})) {
            ShowDisplay(display);
            return display;
        }
        return nullptr;
    case CommandLineKind::Unreal227:
        return CreateDisplayAndCommandBox(parent, id, bounds, std::move(onExecuted));
    }
    return nullptr;
}

std::string TypedText(HWND commandLine, CommandLineKind kind) {
    // GetWindowText reads no control of another process.
    const auto length = static_cast<std::size_t>(SendMessageA(commandLine, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    text.resize(static_cast<std::size_t>(
        SendMessageA(commandLine, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    if (kind == CommandLineKind::PlainEdit || kind == CommandLineKind::Unreal227)
        return text;
    // The last line of the display, after its prompt.
    const std::size_t lineStart = text.rfind('\n') + 1; // npos + 1 is 0
    return text.substr(std::min(text.size(), lineStart + 1));
}

} // namespace uitest
