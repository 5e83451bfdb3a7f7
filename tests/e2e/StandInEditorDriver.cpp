#include "StandInEditorDriver.h"

#include "Polling.h"
#include "ProgramPaths.h"
#include "StandInEditorProtocol.h"
#include "WindowQueries.h"
#include "WineSettings.h"
#include "tests/support/win32/CommandLineWindow.h"

#include <fstream>

namespace e2e {

namespace {

std::string NewTemporaryFile() {
    char directory[MAX_PATH] = {};
    char path[MAX_PATH] = {};
    if (GetTempPathA(MAX_PATH, directory) == 0 || GetTempFileNameA(directory, "ued", 0, path) == 0)
        return {};
    return path;
}

LRESULT MarkersHandled(HWND logWindow) {
    LRESULT count = -1;
    SendWithin(logWindow, standin::kMarkersHandled, 0, 0, &count);
    return count;
}

} // namespace

StandInEditorDriver::~StandInEditorDriver() {
    Stop();
}

bool StandInEditorDriver::Start(uitest::CommandLineKind kind) {
    m_kind = kind;
    return Start(uitest::KindName(kind), uitest::LogWindowOf(kind));
}

bool StandInEditorDriver::StartWithoutCommandLine() {
    return Start(standin::kNoChildrenOption, uitest::LogWindowOf(standin::kNoChildrenNamedAs));
}

bool StandInEditorDriver::Start(const char* option, uitest::LogWindowNames names) {
    Stop();
    LetWineManageTestedWindows();
    m_logPath = NewTemporaryFile();
    if (m_logPath.empty())
        return false;
    const std::string arguments = "\"" + m_logPath + "\" " + option;
    if (!m_process.Start(StandInEditorExePath(), arguments))
        return false;
    return WaitUntil([&] {
        for (HWND window : TopLevelWindowsOf(m_process.Id()))
            if (IsWindowVisible(window) && ClassOf(window) == names.className &&
                ReadText(window) == names.title) {
                m_logWindow = window;
                return true;
            }
        return false;
    });
}

void StandInEditorDriver::Stop() {
    m_process.Kill();
    m_logWindow = nullptr;
    if (!m_logPath.empty())
        DeleteFileA(m_logPath.c_str());
    m_logPath.clear();
}

HWND StandInEditorDriver::Child(int id) const {
    return GetDlgItem(m_logWindow, id);
}

HWND StandInEditorDriver::CommandLine() const {
    return Child(standin::kCommandLineId);
}

HWND StandInEditorDriver::CommandEdit() const {
    return m_kind == uitest::CommandLineKind::Unreal227
               ? FindWindowExA(CommandLine(), nullptr, "Edit", nullptr)
               : CommandLine();
}

bool StandInEditorDriver::TypeInCommandLine(const std::string& text) const {
    for (char c : text) {
        if (!SendWithin(CommandLine(), WM_CHAR, static_cast<unsigned char>(c), 1))
            return false;
    }
    return true;
}

std::string StandInEditorDriver::Typed() const {
    return uitest::TypedText(CommandLine(), m_kind);
}

std::vector<std::string> StandInEditorDriver::LogLines() const {
    std::vector<std::string> lines;
    std::ifstream log(m_logPath, std::ios::binary);
    for (std::string line; std::getline(log, line);)
        lines.push_back(line);
    return lines;
}

bool StandInEditorDriver::Drain() const {
    // Posted messages are handled in the order posted, so once the marker posted
    // now is counted, everything posted before it has been handled.
    const LRESULT before = MarkersHandled(m_logWindow);
    return before >= 0 && PostMessageA(m_logWindow, standin::kMarker, 0, 0) &&
           WaitUntil([&] { return MarkersHandled(m_logWindow) > before; });
}

bool StandInEditorDriver::KeepBusy(std::chrono::milliseconds duration) const {
    return PostMessageA(m_logWindow, standin::kKeepBusy, static_cast<WPARAM>(duration.count()), 0);
}

} // namespace e2e
