#pragma once

#include <string>
#include <vector>

#include "cli/Subcommands.h"

namespace kestrow {

// The whole command-line tool. `args` are the arguments after the program name.
// Returns the exit status: 0 success, 1 an input was rejected or a delivery
// failed, 2 usage error, 3 no editor found.
int RunCli(const std::vector<std::string>& args, const cli::CliSession& session);

} // namespace kestrow
