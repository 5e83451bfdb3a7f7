#include "WindowQueries.h"

namespace e2e {

namespace {

constexpr UINT kSendTimeoutMs = 5000;

BOOL CALLBACK CollectIfOfProcess(HWND window, LPARAM lParam) {
    auto* query = reinterpret_cast<std::pair<DWORD, std::vector<HWND>*>*>(lParam);
    if (ProcessOf(window) == query->first)
        query->second->push_back(window);
    return TRUE;
}

} // namespace

bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    DWORD_PTR answer = 0;
    const LRESULT sent =
        SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &answer);
    if (result != nullptr)
        *result = static_cast<LRESULT>(answer);
    return sent != 0;
}

std::string ReadText(HWND window) {
    LRESULT length = 0;
    if (!SendWithin(window, WM_GETTEXTLENGTH, 0, 0, &length) || length <= 0)
        return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    LRESULT copied = 0;
    if (!SendWithin(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                    &copied))
        return {};
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

bool WriteText(HWND window, const std::string& text) {
    LRESULT accepted = 0;
    return SendWithin(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &accepted) &&
           accepted != 0;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, static_cast<std::size_t>(length > 0 ? length : 0));
}

DWORD ProcessOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

DWORD ThreadOf(HWND window) {
    return GetWindowThreadProcessId(window, nullptr);
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
    std::vector<HWND> windows;
    std::pair<DWORD, std::vector<HWND>*> query{processId, &windows};
    EnumWindows(CollectIfOfProcess, reinterpret_cast<LPARAM>(&query));
    return windows;
}

std::vector<HWND> ChildrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

HWND FocusOfThread(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(threadId, &info))
        return nullptr;
    return info.hwndFocus;
}

std::string DescribeWindow(HWND window) {
    if (window == nullptr)
        return "no window";
    return ClassOf(window) + " " + std::to_string(GetDlgCtrlID(window)) + " \"" + ReadText(window) +
           "\"";
}

std::string StaticTextsOf(HWND dialog) {
    std::string texts;
    for (HWND child : ChildrenOf(dialog)) {
        if (ClassOf(child) != "Static")
            continue;
        const LONG type = GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK;
        if (type == SS_ICON || type == SS_BITMAP)
            continue;
        const std::string text = ReadText(child);
        if (text.empty())
            continue;
        if (!texts.empty())
            texts += '\n';
        texts += text;
    }
    return texts;
}

} // namespace e2e
