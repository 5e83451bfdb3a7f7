#pragma once

#include <chrono>
#include <functional>

namespace e2e {

using Millis = std::chrono::milliseconds;

// Long enough for Wine to start a program on a loaded machine; a passing test
// never waits this long.
inline constexpr Millis kDefaultTimeout{10000};

// Polls the condition until it holds or the time is up; returns its last result.
bool WaitUntil(const std::function<bool()>& condition, Millis timeout = kDefaultTimeout);

} // namespace e2e
