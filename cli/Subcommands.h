#pragma once

#include <ostream>
#include <span>
#include <string>

namespace kestrow::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitRejected = 1;
inline constexpr int kExitUsage = 2;

using Args = std::span<const std::string>;

// Each takes the arguments after its own name.
int RunEvalCommand(Args args, std::ostream& out, std::ostream& err);
int RunPillarCommand(Args args, std::ostream& out, std::ostream& err);
int RunBevelCommand(Args args, std::ostream& out, std::ostream& err);
int RunFloorCommand(Args args, std::ostream& out, std::ostream& err);
int RunSkewCommand(Args args, std::ostream& out, std::ostream& err);

} // namespace kestrow::cli
