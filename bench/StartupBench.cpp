// The start-up benchmark: starts two programs by turns, each time measuring
// from just before CreateProcess until a window of the new process is visible,
// then closes it. Prints, for each round and for all rounds, the median and the
// fastest start of each program and their ratios to the second (the floor).
// Usage: startup_bench PROGRAM FLOOR [ROUNDS [STARTS]]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr DWORD kPatienceMs = 20000;
constexpr DWORD kSettleMs = 100;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) / ticksPerMs;
}

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM found) {
    if (!IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// One start: the milliseconds to a visible window, or a negative number when
// the program did not show one.
double TimeOneStart(const std::string& program) {
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    HWND found = nullptr;
    LARGE_INTEGER now = start;
    // A millisecond between looks, and only at the top-level windows of the
    // program's main thread: each look asks Wine's server, which the program
    // being started needs too.
    while (found == nullptr && Milliseconds(start, now) < kPatienceMs &&
           WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
        EnumThreadWindows(process.dwThreadId, FindVisibleWindow, reinterpret_cast<LPARAM>(&found));
        QueryPerformanceCounter(&now);
        if (found == nullptr)
            Sleep(1);
    }
    const double elapsed = found != nullptr ? Milliseconds(start, now) : -1;
    if (found != nullptr)
        PostMessageA(found, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, kPatienceMs) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    // The closed program's windows and server objects go before the next start.
    Sleep(kSettleMs);
    return elapsed;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const std::size_t middle = times.size() / 2;
    return times.size() % 2 != 0 ? times[middle] : (times[middle - 1] + times[middle]) / 2;
}

double Fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

void PrintLine(const char* label, const std::vector<double>& program,
               const std::vector<double>& floor) {
    std::printf("%-7s program median %7.1f ms, fastest %7.1f ms | floor median %7.1f ms, "
                "fastest %7.1f ms | ratio median %.3f, fastest %.3f\n",
                label, Median(program), Fastest(program), Median(floor), Fastest(floor),
                Median(program) / Median(floor), Fastest(program) / Fastest(floor));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: startup_bench PROGRAM FLOOR [ROUNDS [STARTS]]\n", stderr);
        return 2;
    }
    const std::string programs[] = {argv[1], argv[2]};
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 4;
    const int starts = argc > 4 ? std::atoi(argv[4]) : 25;
    std::printf("%s against the floor %s: %d rounds of %d starts each\n", argv[1], argv[2], rounds,
                starts);
    // One start of each first, not timed: their files come into the cache.
    for (const std::string& program : programs) {
        if (TimeOneStart(program) < 0) {
            std::fprintf(stderr, "%s showed no window\n", program.c_str());
            return 1;
        }
    }
    std::vector<double> all[2];
    double worstFastestRatio = 0;
    for (int round = 1; round <= rounds; ++round) {
        std::vector<double> times[2];
        for (int i = 0; i < starts; ++i) {
            // By turns, the first of each pair alternating, so that a trend in
            // the machine's load weighs on both alike.
            for (const int which : {i % 2, 1 - i % 2}) {
                const double elapsed = TimeOneStart(programs[which]);
                if (elapsed < 0) {
                    std::fprintf(stderr, "%s showed no window\n", programs[which].c_str());
                    return 1;
                }
                times[which].push_back(elapsed);
            }
        }
        char label[16];
        std::snprintf(label, sizeof label, "round %d", round);
        PrintLine(label, times[0], times[1]);
        worstFastestRatio = std::max(worstFastestRatio, Fastest(times[0]) / Fastest(times[1]));
        for (int which = 0; which < 2; ++which)
            all[which].insert(all[which].end(), times[which].begin(), times[which].end());
    }
    PrintLine("all", all[0], all[1]);
    std::printf("largest ratio of the fastest starts in a round: %.3f\n", worstFastestRatio);
    return 0;
}
