#pragma once

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Subcommands.h"

namespace kestrow::testing {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the tool with `input` as its standard input, on the given desktop; by
// default on none, as in a build that cannot reach the editor.
inline CliResult RunCliCapturing(const std::vector<std::string>& args,
                                 const std::string& input = {}, Desktop* desktop = nullptr) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    CliResult result;
    result.status = cli::RunCli(args, cli::CliSession{in, out, err, desktop});
    result.out = out.str();
    result.err = err.str();
    return result;
}

// Joins the arguments of a table row for failure messages and test names.
inline std::string JoinArgs(const std::vector<std::string>& args) {
    std::string joined;
    for (const std::string& arg : args) {
        joined += (joined.empty() ? "" : " ") + arg;
    }
    return joined;
}

struct CliCase {
    std::vector<std::string> args;
    int status;
    std::string out;
    std::string err;
};

inline void PrintTo(const CliCase& c, std::ostream* os) {
    *os << JoinArgs(c.args);
}

} // namespace kestrow::testing
