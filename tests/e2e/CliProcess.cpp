#include "CliProcess.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

namespace e2e {

namespace {

// A temporary file the child inherits as one of its standard handles; the
// streams go through files so that no pipe can fill up and stall either side.
class StandardFile {
public:
    explicit StandardFile(const std::string& contents) {
        char directory[MAX_PATH] = {};
        char path[MAX_PATH] = {};
        if (GetTempPathA(MAX_PATH, directory) == 0 ||
            GetTempFileNameA(directory, "cli", 0, path) == 0)
            return;
        m_path = path;
        std::ofstream(m_path, std::ios::binary) << contents;
        SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
        m_handle = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, &inherited,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    ~StandardFile() {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
        if (!m_path.empty())
            DeleteFileA(m_path.c_str());
    }
    StandardFile(const StandardFile&) = delete;
    StandardFile& operator=(const StandardFile&) = delete;

    bool Open() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Handle() const { return m_handle; }

    std::string Text() {
        CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
        std::ifstream file(m_path, std::ios::binary);
        std::string text;
        for (char c : std::string(std::istreambuf_iterator<char>(file), {}))
            if (c != '\r')
                text += c;
        return text;
    }

private:
    std::string m_path;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

// Says why a run could not be made, so that a failing test shows it.
std::optional<CliOutcome> CouldNot(const char* what) {
    std::fprintf(stderr, "RunConsoleProgram: could not %s (error %lu)\n", what, GetLastError());
    return std::nullopt;
}

} // namespace

std::optional<CliOutcome> RunConsoleProgram(const std::string& exePath,
                                            const std::string& arguments, const std::string& input,
                                            Millis timeout) {
    StandardFile in(input);
    StandardFile out("");
    StandardFile err("");
    if (!in.Open() || !out.Open() || !err.Open())
        return CouldNot("make the files for its standard streams");
    std::string commandLine = "\"" + exePath + "\" " + arguments;
    std::vector<char> writable(commandLine.begin(), commandLine.end());
    writable.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = in.Handle();
    startup.hStdOutput = out.Handle();
    startup.hStdError = err.Handle();
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(exePath.c_str(), writable.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &process))
        return CouldNot("start it");
    CloseHandle(process.hThread);
    std::optional<CliOutcome> outcome;
    if (WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeout.count())) ==
        WAIT_OBJECT_0) {
        outcome.emplace();
        GetExitCodeProcess(process.hProcess, &outcome->status);
        outcome->out = out.Text();
        outcome->err = err.Text();
    } else {
        CouldNot("see it end in time");
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, static_cast<DWORD>(timeout.count()));
    }
    CloseHandle(process.hProcess);
    return outcome;
}

} // namespace e2e
