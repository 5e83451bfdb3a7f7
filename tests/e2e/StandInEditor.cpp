// A stand-in for the level editor's log window: a top-level window titled
// "Unreal Log Window" whose first child is a command line. The edit's own paste
// inserts the clipboard text; Enter executes the line, which here means writing it
// to the log file named on the command line and clearing the edit. Pastes or
// characters that reach any other child are logged too, so that tests see them.
//
// Usage: StandInEditor.exe LOG_FILE [--no-children]

#include "StandInEditorProtocol.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
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

WNDPROC OriginalProc(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

std::string TextOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

LRESULT CALLBACK CommandLineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CHAR && wParam == '\r') {
        const std::string line = TextOf(window);
        AppendToLog(line);
        SendMessageA(g_history, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
        SetWindowTextA(window, "");
        return 0;
    }
    return CallWindowProcA(OriginalProc(window), window, message, wParam, lParam);
}

LRESULT CALLBACK BystanderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PASTE || message == WM_CHAR)
        AppendToLog(kStrayPrefix + std::to_string(GetDlgCtrlID(window)) +
                    (message == WM_PASTE ? ": WM_PASTE" : ": WM_CHAR"));
    return CallWindowProcA(OriginalProc(window), window, message, wParam, lParam);
}

HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, int id, int y,
                 int height, WNDPROC proc) {
    HWND child = CreateWindowExA(
        WS_EX_CLIENTEDGE, className, text, WS_CHILD | WS_VISIBLE | style, 8, y, 456, height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(child, GWLP_USERDATA, GetWindowLongPtrA(child, GWLP_WNDPROC));
    SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    return child;
}

void CreateChildren(HWND window) {
    CreateChild(window, "Edit", "", ES_AUTOHSCROLL, kCommandLineId, 236, 24, CommandLineProc);
    CreateChild(window, "Edit", kNotesText, ES_AUTOHSCROLL, kNotesId, 8, 24, BystanderProc);
    g_history = CreateChild(window, "ListBox", "", WS_VSCROLL | LBS_NOINTEGRALHEIGHT, kHistoryId,
                            40, 160, BystanderProc);
    CreateChild(window, "Static", kCaptionText, 0, kCaptionId, 208, 20, BystanderProc);
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
    const bool withChildren = !(__argc > 2 && std::strcmp(__argv[2], kNoChildrenOption) == 0);

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
    if (withChildren)
        CreateChildren(window);
    ShowWindow(window, SW_SHOWNOACTIVATE);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
