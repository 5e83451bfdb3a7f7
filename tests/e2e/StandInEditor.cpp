// A stand-in for the level editor's log window: a top-level window titled
// "Unreal Log Window" whose first child is a command line, of one of two kinds.
// The plain one is an edit box followed by other children; Enter executes its
// text. The editor-like one is the only child, the read-only log display with
// its typing buffer, as the editor builds it. Each executed command is written
// to the log file named on the command line. Pastes or characters that reach any
// other child are logged too, so that tests see them.
//
// Usage: StandInEditor.exe LOG_FILE [--no-children | --like-the-editor]

#include "StandInEditorProtocol.h"
#include "tests/support/win32/CommandLineWindow.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

using namespace e2e::standin;

constexpr const char* kWindowClass = "KestrowStandInEditor";

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

void CreateEditorDisplay(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    uitest::CreateCommandLineWindow(window, uitest::CommandLineKind::EditorLike, kCommandLineId,
                                    client,
                                    [](HWND, const std::string& command) { AppendToLog(command); });
}

LRESULT CALLBACK LogWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kMarker:
        ++g_markersHandled;
        return 0;
    case kMarkersHandled:
        return g_markersHandled;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    if (__argc < 2)
        return 2;
    g_logPath = __argv[1];
    const char* option = __argc > 2 ? __argv[2] : "";

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = LogWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    if (!RegisterClassA(&windowClass))
        return 1;
    HWND window =
        CreateWindowExA(0, kWindowClass, kLogWindowTitle, WS_OVERLAPPEDWINDOW & ~WS_MAXIMIZEBOX, 0,
                        0, 480, 310, nullptr, nullptr, instance, nullptr);
    if (window == nullptr)
        return 1;
    if (std::strcmp(option, kLikeTheEditorOption) == 0)
        CreateEditorDisplay(window);
    else if (std::strcmp(option, kNoChildrenOption) != 0)
        CreatePlainChildren(window);
    ShowWindow(window, SW_SHOWNOACTIVATE);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
