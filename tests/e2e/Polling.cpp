#include "Polling.h"

#include <windows.h>

namespace e2e {

bool WaitUntil(const std::function<bool()>& condition, Millis timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return condition();
        Sleep(10);
    }
    return true;
}

} // namespace e2e
