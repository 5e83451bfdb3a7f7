#pragma once

#include "Polling.h"

#include <windows.h>

#include <string>

namespace e2e {

// A program started by a test and ended by it: the destructor terminates the
// process if it still runs, so nothing outlives a failed test.
class ChildProcess {
public:
    ChildProcess() = default;
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Start(const std::string& exePath, const std::string& arguments);
    bool Started() const { return m_info.hProcess != nullptr; }
    DWORD Id() const { return m_info.dwProcessId; }
    HANDLE Handle() const { return m_info.hProcess; }
    bool Running() const;
    bool WaitForExit(Millis timeout) const;
    // Terminates the process and waits until it is gone.
    void Kill();

private:
    PROCESS_INFORMATION m_info{};
};

} // namespace e2e
