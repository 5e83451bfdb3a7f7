#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kestrow {

// The whole command-line tool. `args` are the arguments after the program name.
// Returns the exit status: 0 success, 1 a field was rejected, 2 usage error.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace kestrow
