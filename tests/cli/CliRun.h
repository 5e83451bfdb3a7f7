#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "cli/Subcommands.h"

namespace kestrow::testing {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

class StringOut final : public cli::TextWriter {
public:
    void Write(std::string_view text) override { written.append(text); }
    std::string written;
};

class StringIn final : public cli::TextReader {
public:
    explicit StringIn(std::string text) : text_(std::move(text)) {}
    std::string ReadAll() override { return std::exchange(text_, {}); }

private:
    std::string text_;
};

// Runs the tool with `input` as its standard input, on the given desktop; by
// default on none, as in a build that cannot reach the editor.
inline CliResult RunCliCapturing(const std::vector<std::string>& args,
                                 const std::string& input = {}, Desktop* desktop = nullptr) {
    StringIn in(input);
    StringOut out;
    StringOut err;
    CliResult result;
    result.status = cli::RunCli(args, cli::CliSession{in, out, err, desktop});
    result.out = std::move(out.written);
    result.err = std::move(err.written);
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
