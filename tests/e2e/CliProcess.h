#pragma once

#include "Polling.h"

#include <optional>
#include <string>

namespace e2e {

struct CliOutcome {
    unsigned long status = 0;
    std::string out; // with Windows' CR LF line ends turned into LF
    std::string err;
};

// Runs a console program to its end: `input` is its standard input, and what it
// writes is returned; nothing when it could not start or did not end in time.
std::optional<CliOutcome> RunConsoleProgram(const std::string& exePath,
                                            const std::string& arguments,
                                            const std::string& input = {},
                                            Millis timeout = kDefaultTimeout);

} // namespace e2e
