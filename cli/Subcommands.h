#pragma once

#include <span>
#include <string>
#include <vector>

#include "cli/TextStreams.h"
#include "link/Desktop.h"

namespace kestrow::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRejected = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitNoEditor = 3;

using Args = std::span<const std::string>;

// Where a run reads and writes, and how it reaches the editor when asked to.
struct CliSession {
    TextReader& in;
    TextWriter& out;
    TextWriter& err;
    Desktop* desktop; // the editor's; null in a build that cannot reach one
};

// The whole command-line tool, given the arguments after the program's name;
// returns the exit status.
int RunCli(const std::vector<std::string>& args, const CliSession& session);

// Each takes the arguments after its own name.
int RunEvalCommand(Args args, const CliSession& session);
int RunPillarCommand(Args args, const CliSession& session);
int RunBevelCommand(Args args, const CliSession& session);
int RunFloorCommand(Args args, const CliSession& session);
int RunSkewCommand(Args args, const CliSession& session);
int RunSendCommand(Args args, const CliSession& session);

} // namespace kestrow::cli
