#pragma once

#include "ChildProcess.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Starts the stand-in editor with a fresh log file, reads what it executed, and
// ends it (and removes the log) when the test is over.
class StandInEditorDriver {
public:
    StandInEditorDriver() = default;
    ~StandInEditorDriver();
    StandInEditorDriver(const StandInEditorDriver&) = delete;
    StandInEditorDriver& operator=(const StandInEditorDriver&) = delete;

    // Starts the editor and waits for its log window.
    bool Start(bool withChildren = true);
    void Stop();

    HWND LogWindow() const { return m_logWindow; }
    std::vector<HWND> Children() const;
    HWND Child(int id) const;
    // The lines executed so far, and any stray messages, in order.
    std::vector<std::string> LogLines() const;
    // Returns once the editor has handled every message posted to it before.
    bool Drain() const;

private:
    ChildProcess m_process;
    std::string m_logPath;
    HWND m_logWindow = nullptr;
};

} // namespace e2e
