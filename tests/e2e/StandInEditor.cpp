// A stand-in for the level editor's log window, as each editor build makes it:
// a top-level window of that build's class and title whose command line is of
// that kind. The plain kind's edit box comes first, followed by other children;
// Enter executes its text. The editor's own kinds hold their command line alone
// (the read-only log display with its typing buffer), or Unreal 227's display
// and command box. Each executed command is written to the log file named on
// the command line. Pastes or characters that reach the plain kind's other
// children are logged too, so that tests see them.
//
// Usage: StandInEditor.exe LOG_FILE KIND|--no-children
//   KIND: PlainEdit, Classic, Ut469 or Unreal227

#include "StandInEditorProtocol.h"
#include "tests/support/win32/CommandLineWindow.h"

#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>

namespace {

using namespace e2e::standin;
using uitest::CommandLineKind;

std::string g_logPath;
HWND g_history = nullptr;
LRESULT g_markersHandled = 0;

// One open and close per line, so that every line is on disk when the test reads.
void AppendToLog(const std::string& line) {
    FILE* log = std::fopen(g_logPath.c_str(), "ab");
    if (log == nullptr)
        return;
    std::fputs(line.c_str(), log);
    std::fputc('\n', log);
    std::fclose(log);
}

LRESULT CALLBACK BystanderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PASTE || message == WM_CHAR)
        AppendToLog(kStrayPrefix + std::to_string(GetDlgCtrlID(window)) +
                    (message == WM_PASTE ? ": WM_PASTE" : ": WM_CHAR"));
    const auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return CallWindowProcA(original, window, message, wParam, lParam);
}

HWND CreateBystander(HWND parent, const char* className, const char* text, DWORD style, int id,
                     int y, int height) {
    HWND child = CreateWindowExA(
        WS_EX_CLIENTEDGE, className, text, WS_CHILD | WS_VISIBLE | style, 8, y, 456, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(child, GWLP_USERDATA, GetWindowLongPtrA(child, GWLP_WNDPROC));
    SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(BystanderProc));
    return child;
}

void CreatePlainChildren(HWND window) {
    uitest::CreateCommandLineWindow(window, uitest::CommandLineKind::PlainEdit, kCommandLineId,
                                    RECT{8, 236, 464, 260}, [](HWND, const std::string& command) {
                                        AppendToLog(command);
                                        SendMessageA(g_history, LB_ADDSTRING, 0,
                                                     reinterpret_cast<LPARAM>(command.c_str()));
                                    });
    CreateBystander(window, "Edit", kNotesText, ES_AUTOHSCROLL, kNotesId, 8, 24);
    g_history = CreateBystander(window, "ListBox", "", WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                                kHistoryId, 40, 160);
    CreateBystander(window, "Static", kCaptionText, 0, kCaptionId, 208, 20);
}

void CreateEditorCommandLine(HWND window, CommandLineKind kind) {
    RECT client;
    GetClientRect(window, &client);
    uitest::CreateCommandLineWindow(window, kind, kCommandLineId, client,
                                    [](HWND, const std::string& command) { AppendToLog(command); });
}

// A long command of the editor's own: until it ends, nothing posted to the
// editor is handled (a paste waits, and reads the clipboard only then), while
// sent messages are answered, as whenever its thread waits on another.
void RunLongCommand(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (DWORD passed = 0; passed < milliseconds; passed = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - passed, QS_SENDMESSAGE);
        MSG message;
        PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

std::optional<CommandLineKind> KindNamed(const std::string& name) {
    for (CommandLineKind kind : uitest::kEveryKind) {
        if (name == uitest::KindName(kind))
            return kind;
    }
    return std::nullopt;
}

LRESULT CALLBACK LogWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kMarker:
        ++g_markersHandled;
        return 0;
    case kMarkersHandled:
        return g_markersHandled;
    case kKeepBusy:
        RunLongCommand(static_cast<DWORD>(wParam));
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc < 3)
        return 2;
    g_logPath = __argv[1];
    const std::optional<CommandLineKind> kind = KindNamed(__argv[2]);
    if (!kind && std::string(__argv[2]) != kNoChildrenOption)
        return 2;
    const uitest::LogWindowNames names = uitest::LogWindowOf(kind.value_or(kNoChildrenNamedAs));

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = LogWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = names.className;
    if (!RegisterClassA(&windowClass))
        return 1;
    HWND window =
        CreateWindowExA(0, names.className, names.title, WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX, 0,
                        0, 480, 310, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    if (kind == CommandLineKind::PlainEdit)
        CreatePlainChildren(window);
    else if (kind)
        CreateEditorCommandLine(window, *kind);
    ShowWindow(window, SW_SHOWNOACTIVATE);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
