#include <span>
#include <string_view>

#include "cli/Subcommands.h"
#include "res/Version.h"

namespace kestrow::cli {
namespace {

constexpr std::string_view kUsage = R"(usage: kestrow-cli COMMAND [OPTIONS]

Commands:
  eval EXPR   evaluate an expression as an expression field does
  pillar      Pillar Wrap: circumference, pans and best-fit scale of a pillar
  bevel       Bevel Scale: scale that fits textures along a slanted face
  floor       Floor Scale: per-axis scales for a face of given extent
  skew        Texture Skew: scale command that slants a texture
  send        deliver commands to the running editor (Windows build)

Run 'kestrow-cli COMMAND --help' for a command's options, and
'kestrow-cli --version' (or -V) for the version. The page commands take
--apply, to send their command to the editor too, and pillar and floor take
--candidates N, a table of their fits for 1 to N textures.
Every command takes --json: stdout is then one JSON object, and the messages
go in it instead of on stderr:
  {"inputs": {NAME: VALUE, ...}, "partly-read": [NAME, ...],
   "results": {NAME: VALUE, ...},
   "commands": [{"name": NAME, "text": COMMAND, "delivered": BOOL}, ...],
   "messages": [MESSAGE, ...]}
An input that was not read, or a result not computed, is null; when an input
is rejected, "results" and "commands" are empty. "partly-read" names the
expressions read only in part ("2+" is read as 2), and is there only when
there are some. "delivered" is there only when the run sends commands. With
--candidates: an array of such objects, one per texture count. Usage errors
stay on stderr as text.
Exit status: 0 done, 1 an input was rejected or read only in part (messages on
stderr; nothing is sent), a command was longer than the editor takes or a
delivery failed, 2 usage error, 3 no editor window was found.
)";

struct NamedSubcommand {
    std::string_view name;
    int (*run)(Args, const CliSession&);
};

constexpr NamedSubcommand kSubcommands[] = {
    {"eval", RunEvalCommand},   {"pillar", RunPillarCommand}, {"bevel", RunBevelCommand},
    {"floor", RunFloorCommand}, {"skew", RunSkewCommand},     {"send", RunSendCommand},
};

} // namespace

int RunCli(const std::vector<std::string>& args, const CliSession& session) {
    if (args.empty()) {
        session.err << kUsage;
        return kExitUsage;
    }
    const std::string& command = args.front();
    if (command == "--help" || command == "-h") {
        session.out << kUsage;
        return kExitOk;
    }
    if (command == "--version" || command == "-V") {
        session.out << "kestrow-cli " KESTROW_VERSION "\n";
        return kExitOk;
    }
    for (const NamedSubcommand& subcommand : kSubcommands) {
        if (command == subcommand.name)
            return subcommand.run(std::span(args).subspan(1), session);
    }
    session.err << "kestrow-cli: unknown command '" << command << "'\n\n" << kUsage;
    return kExitUsage;
}

} // namespace kestrow::cli
