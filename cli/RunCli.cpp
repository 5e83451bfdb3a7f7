#include "cli/RunCli.h"

#include <span>
#include <string_view>

#include "cli/Subcommands.h"

namespace kestrow {
namespace {

constexpr std::string_view kUsage = R"(usage: kestrow-cli COMMAND [OPTIONS]

Commands:
  eval EXPR   evaluate an expression as an expression field does
  pillar      Pillar Wrap: circumference, pans and best-fit scale of a pillar
  bevel       Bevel Scale: scale that fits textures along a slanted face
  floor       Floor Scale: per-axis scales for a face of given extent
  skew        Texture Skew: scale command that slants a texture

Run 'kestrow-cli COMMAND --help' for a command's options.
Exit status: 0 done, 1 an input was rejected (messages on stderr), 2 usage error.
)";

using Subcommand = int (*)(cli::Args, std::ostream&, std::ostream&);

struct NamedSubcommand {
    std::string_view name;
    Subcommand run;
};

constexpr NamedSubcommand kSubcommands[] = {
    {"eval", cli::RunEvalCommand},   {"pillar", cli::RunPillarCommand},
    {"bevel", cli::RunBevelCommand}, {"floor", cli::RunFloorCommand},
    {"skew", cli::RunSkewCommand},
};

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kUsage;
        return cli::kExitUsage;
    }
    const std::string& command = args.front();
    if (command == "--help" || command == "-h") {
        out << kUsage;
        return cli::kExitOk;
    }
    for (const NamedSubcommand& subcommand : kSubcommands) {
        if (command == subcommand.name) {
            return subcommand.run(std::span(args).subspan(1), out, err);
        }
    }
    err << "kestrow-cli: unknown command '" << command << "'\n\n" << kUsage;
    return cli::kExitUsage;
}

} // namespace kestrow
