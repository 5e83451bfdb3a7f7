#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <initializer_list>

// Steps of a test that run one per timer tick from inside whatever message loop
// is running. A step may open a modal dialog; the later steps then run inside
// its loop. Posted messages come before timer ticks, so a key posted by one step
// has been handled when the next step runs.
class ScriptedSteps {
public:
    static void Schedule(std::initializer_list<std::function<void()>> steps) {
        for (const auto& step : steps)
            Steps().push_back(step);
        StartTimer();
    }

    static void Clear() {
        Steps().clear();
        if (Timer() != 0)
            KillTimer(nullptr, Timer());
        Timer() = 0;
    }

private:
    static std::deque<std::function<void()>>& Steps() {
        static std::deque<std::function<void()>> steps;
        return steps;
    }
    static UINT_PTR& Timer() {
        static UINT_PTR timer = 0;
        return timer;
    }
    static void StartTimer() {
        if (Timer() == 0 && !Steps().empty())
            Timer() = SetTimer(nullptr, 0, 10, OnTick);
    }
    static void CALLBACK OnTick(HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        Timer() = 0;
        if (Steps().empty())
            return;
        std::function<void()> step = std::move(Steps().front());
        Steps().pop_front();
        StartTimer();
        step();
    }
};
