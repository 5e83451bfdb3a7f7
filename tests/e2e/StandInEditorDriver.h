#pragma once

#include "ChildProcess.h"
#include "tests/support/EditorCommandLine.h"

#include <windows.h>

#include <chrono>
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

    // Starts the editor with that kind of command line and waits for its log window.
    bool Start(uitest::CommandLineKind kind = uitest::CommandLineKind::PlainEdit);
    // A log window without children.
    bool StartWithoutCommandLine();
    void Stop();

    HWND LogWindow() const { return m_logWindow; }
    HWND Child(int id) const;
    // Where the mapper types and the command runs: the plain edit box, the log
    // display, or Unreal 227's command box.
    HWND CommandLine() const;
    // The edit control that takes the paste: the command line, or the edit
    // inside 227's command box.
    HWND CommandEdit() const;
    // The mapper types into the command line, and what is left typed there.
    bool TypeInCommandLine(const std::string& text) const;
    std::string Typed() const;
    // The lines executed so far, and any stray messages, in order.
    std::vector<std::string> LogLines() const;
    // Returns once the editor has handled every message posted to it before.
    bool Drain() const;
    // The editor starts a long command of its own, after what was posted before:
    // for that long it answers sent messages but handles nothing posted.
    bool KeepBusy(std::chrono::milliseconds duration) const;

private:
    bool Start(const char* option, uitest::LogWindowNames names);

    uitest::CommandLineKind m_kind = uitest::CommandLineKind::PlainEdit;
    ChildProcess m_process;
    std::string m_logPath;
    HWND m_logWindow = nullptr;
};

} // namespace e2e
