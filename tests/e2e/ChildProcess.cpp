#include "ChildProcess.h"

#include <vector>

namespace e2e {

ChildProcess::~ChildProcess() {
    Kill();
}

bool ChildProcess::Start(const std::string& exePath, const std::string& arguments) {
    Kill();
    std::string commandLine = "\"" + exePath + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exePath.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &m_info)) {
        m_info = {};
        return false;
    }
    return true;
}

bool ChildProcess::Running() const {
    return Started() && WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT;
}

bool ChildProcess::WaitForExit(Millis timeout) const {
    return !Started() || WaitForSingleObject(m_info.hProcess,
                                             static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

void ChildProcess::Kill() {
    if (!Started())
        return;
    if (Running()) {
        TerminateProcess(m_info.hProcess, 1);
        WaitForSingleObject(m_info.hProcess, static_cast<DWORD>(kDefaultTimeout.count()));
    }
    CloseHandle(m_info.hThread);
    CloseHandle(m_info.hProcess);
    m_info = {};
}

} // namespace e2e
