#include "tests/support/win32/CommandLineWindow.h"

#include "tests/support/win32/ClipboardText.h"

#include <algorithm>
#include <memory>

namespace uitest {

namespace {

struct CommandLineState {
    CommandLineKind kind;
    WNDPROC originalProc;
    ExecutedHandler onExecuted;
    EditorTypingBuffer buffer; // the editor-like one's
    std::string log;           // what the editor's display shows above the prompt
};

CommandLineState& StateOf(HWND window) {
    return *reinterpret_cast<CommandLineState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

std::string WindowText(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

LRESULT CallOriginal(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(StateOf(window).originalProc, window, message, wParam, lParam);
}

// The log, then the prompt and what is typed as its last line, scrolled to the end.
void ShowDisplay(HWND window) {
    CommandLineState& state = StateOf(window);
    const std::string text = state.log + ">" + state.buffer.Typed();
    CallOriginal(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    CallOriginal(window, EM_SETSEL, text.size(), static_cast<LPARAM>(text.size()));
    CallOriginal(window, EM_SCROLLCARET, 0, 0);
}

// The editor's display: typed characters and pastes go to its typing buffer and
// never reach the edit control; everything else acts on the edit, the whole log.
LRESULT CALLBACK EditorLikeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CommandLineState& state = StateOf(window);
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
    case WM_NCDESTROY: {
        const std::unique_ptr<CommandLineState> owned(&state);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return CallWindowProcA(owned->originalProc, window, message, wParam, lParam);
    }
    default:
        return CallOriginal(window, message, wParam, lParam);
    }
}

// A plain edit box whose Enter executes its text and empties it.
LRESULT CALLBACK PlainEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CommandLineState& state = StateOf(window);
    if (message == WM_CHAR && wParam == '\r') {
        const std::string command = WindowText(window);
        SetWindowTextA(window, "");
        state.onExecuted(window, command);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        const std::unique_ptr<CommandLineState> owned(&state);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        return CallWindowProcA(owned->originalProc, window, message, wParam, lParam);
    }
    return CallOriginal(window, message, wParam, lParam);
}

} // namespace

HWND CreateCommandLineWindow(HWND parent, CommandLineKind kind, int id, const RECT& bounds,
                             ExecutedHandler onExecuted) {
    const bool editorLike = kind == CommandLineKind::EditorLike;
    const DWORD style =
        WS_CHILD | WS_VISIBLE |
        (editorLike ? ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL);
    HWND window = CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "", style, bounds.left, bounds.top,
                                  bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr)
        return nullptr;
    auto* state =
        new CommandLineState{kind,
                             reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)),
                             std::move(onExecuted),
                             {},
                             {}};
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    SetWindowLongPtrA(window, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(editorLike ? EditorLikeProc : PlainEditProc));
    if (editorLike)
        ShowDisplay(window);
    return window;
}

std::string TypedText(HWND commandLine, CommandLineKind kind) {
    // GetWindowText reads no control of another process.
    const auto length = static_cast<std::size_t>(SendMessageA(commandLine, WM_GETTEXTLENGTH, 0, 0));
    std::string text(length + 1, '\0');
    text.resize(static_cast<std::size_t>(
        SendMessageA(commandLine, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
    if (kind == CommandLineKind::PlainEdit)
        return text;
    const std::size_t lineStart = text.rfind('\n') + 1; // npos + 1 is 0
    return text.substr(std::min(text.size(), lineStart + 1));
}

} // namespace uitest
