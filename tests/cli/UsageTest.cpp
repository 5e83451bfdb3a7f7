#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CliRun.h"
#include "res/Version.h"

namespace kestrow::testing {
namespace {

TEST(CliUsage, NoArgumentsIsAUsageError) {
    const CliResult r = RunCliCapturing({});
    EXPECT_EQ(2, r.status);
    EXPECT_EQ("", r.out);
    EXPECT_EQ(0u, r.err.find("usage: kestrow-cli"));
}

TEST(CliUsage, HelpGoesToStdout) {
    for (const char* help : {"--help", "-h"}) {
        const CliResult r = RunCliCapturing({help});
        EXPECT_EQ(0, r.status) << help;
        EXPECT_EQ("", r.err) << help;
        EXPECT_EQ(0u, r.out.find("usage: kestrow-cli")) << help;
        for (const char* command : {"eval", "pillar", "bevel", "floor", "skew", "send"}) {
            EXPECT_NE(std::string::npos, r.out.find(command)) << command;
        }
    }
}

TEST(CliUsage, VersionComesFromTheProgramsVersion) {
    for (const char* version : {"--version", "-V"}) {
        const CliResult r = RunCliCapturing({version});
        EXPECT_EQ(0, r.status) << version;
        EXPECT_EQ("kestrow-cli " KESTROW_VERSION "\n", r.out) << version;
        EXPECT_EQ("", r.err) << version;
    }
}

struct SubcommandHelp {
    const char* command;
    std::vector<const char*> options;
};

void PrintTo(const SubcommandHelp& c, std::ostream* os) {
    *os << c.command;
}

class SubcommandHelpCase : public ::testing::TestWithParam<SubcommandHelp> {};

TEST_P(SubcommandHelpCase, ListsEveryOption) {
    const SubcommandHelp& c = GetParam();
    // Help wins even after other options.
    const CliResult r = RunCliCapturing({c.command, "--help"});
    const CliResult late = RunCliCapturing({c.command, c.options.front(), "1", "--help"});
    EXPECT_EQ(0, r.status);
    EXPECT_EQ("", r.err);
    EXPECT_EQ(0u, r.out.find(std::string("usage: kestrow-cli ") + c.command));
    for (const char* option : c.options) {
        EXPECT_NE(std::string::npos, r.out.find(option)) << option;
    }
    EXPECT_EQ(0, late.status);
    EXPECT_EQ(r.out, late.out);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, SubcommandHelpCase,
    ::testing::Values(
        SubcommandHelp{"pillar",
                       {"--width", "--sides", "--radius", "--align-to-side", "--align-to-corner",
                        "--negate", "--no-negate", "--textures", "--other-scale", "--axis",
                        "--candidates", "--apply", "--json"}},
        SubcommandHelp{"bevel",
                       {"--width", "--rise", "--run", "--textures", "--other-scale", "--axis",
                        "--apply", "--json"}},
        SubcommandHelp{"floor",
                       {"--width", "--height", "--stretch-x", "--stretch-y", "--length-x",
                        "--length-y", "--candidates", "--apply", "--json"}},
        SubcommandHelp{"skew",
                       {"--h-scale", "--horizontal", "--no-horizontal", "--vertical",
                        "--no-vertical", "--h-rise", "--h-run", "--h-negate", "--no-h-negate",
                        "--v-scale", "--v-rise", "--v-run", "--v-negate", "--no-v-negate",
                        "--apply", "--json"}}));

// The option lines are built from the pages' field tables: every range and
// default in its place, the columns lined up.
TEST(CliUsage, HelpShowsEachFieldsRangeAndDefault) {
    const CliResult pillar = RunCliCapturing({"pillar", "--help"});
    EXPECT_EQ("usage: kestrow-cli pillar [OPTIONS]\n"
              "\n"
              "The Pillar Wrap page: a pillar built as a regular prism.\n"
              "  --width N            texture width in texels, 4 to 16384 (128)\n"
              "  --sides N            number of sides, 3 to 256 (8)\n"
              "  --radius EXPR        radius, 1 to 65535 (\"32\")\n"
              "  --align-to-side      radius runs to the middle of a side (default)\n"
              "  --align-to-corner    radius runs to a corner\n"
              "  --negate             negate both pan values (default)\n"
              "  --no-negate          keep the pan values' signs\n"
              "  --textures X         textures to fit around the pillar, 0.0625 to 256 (1)\n"
              "  --other-scale X      scale of the other axis, 0.03125 to 32 (1)\n"
              "  --axis U|V           axis the commands address (U)\n"
              "  --candidates N       instead, a table of the fits for 1 to N textures\n"
              "  --apply[=WHICH]      then send simple-pan, best-scale (default) or best-pan\n"
              "  --json               print one JSON object instead\n"
              "Prints the five results, then the Simple Pan, Best Scale and Best Pan commands.\n",
              pillar.out);
    const CliResult skew = RunCliCapturing({"skew", "--help"});
    for (const char* line : {
             "\n  --horizontal, --no-horizontal   horizontal group on or off (off)\n",
             "\n  --vertical, --no-vertical       vertical group on or off (on)\n",
             "\n  --h-run EXPR         horizontal run, 0 to 65535 (\"0\")\n",
             "\n  --v-rise EXPR        vertical rise, 0 to 65535 (\"256\")\n",
             "\n  --v-negate, --no-v-negate       vertical Negate box (clear)\n",
         }) {
        EXPECT_NE(std::string::npos, skew.out.find(line)) << line;
    }
    const CliResult bevel = RunCliCapturing({"bevel", "--help"});
    EXPECT_NE(std::string::npos, bevel.out.find("\n  --axis U|V           axis that receives the "
                                                "computed scale (V)\n"));
}

TEST(CliUsage, EvalHelp) {
    const CliResult r = RunCliCapturing({"eval", "--help"});
    EXPECT_EQ(0, r.status);
    EXPECT_EQ(0u, r.out.find("usage: kestrow-cli eval"));
}

class UsageError : public ::testing::TestWithParam<CliCase> {};

TEST_P(UsageError, PrintsUsageOnStderrWithStatus2) {
    const CliCase& c = GetParam();
    const CliResult r = RunCliCapturing(c.args);
    EXPECT_EQ(2, r.status);
    EXPECT_EQ("", r.out);
    // The first line names the fault; the usage follows.
    EXPECT_EQ(0u, r.err.find("kestrow-cli: " + c.err + "\n\nusage: kestrow-cli"));
}

INSTANTIATE_TEST_SUITE_P(
    Cli, UsageError,
    ::testing::Values(CliCase{{"wrap"}, 2, "", "unknown command 'wrap'"},
                      CliCase{{"pillar", "--bogus"}, 2, "", "unknown option '--bogus'"},
                      CliCase{{"skew", "--negate"}, 2, "", "unknown option '--negate'"},
                      CliCase{{"pillar", "--width"}, 2, "", "option '--width' needs a value"},
                      CliCase{{"floor", "--length-y"}, 2, "", "option '--length-y' needs a value"},
                      CliCase{{"pillar", "--negate=1"}, 2, "", "option '--negate' takes no value"},
                      CliCase{{"bevel", "64"}, 2, "", "unexpected argument '64'"},
                      CliCase{{"bevel", "--axis", "W"}, 2, "", "--axis takes U or V"},
                      CliCase{{"pillar", "--axis="}, 2, "", "--axis takes U or V"},
                      CliCase{{"eval"}, 2, "", "eval takes one expression"},
                      CliCase{{"eval", "1", "2"}, 2, "", "eval takes one expression"}));

TEST(CliOptions, LaterOptionOverridesEarlier) {
    const CliResult r = RunCliCapturing({"floor", "--width", "3", "--width", "256"});
    EXPECT_EQ(0, r.status);
    EXPECT_EQ("POLY TEXSCALE UU=1.000000 VV=0.500000\n", r.out);
}

TEST(CliOptions, ValueMayBeginWithMinus) {
    const CliResult r = RunCliCapturing({"bevel", "--rise", "-(-48)", "--run", "--64"});
    EXPECT_EQ(0, r.status);
    EXPECT_EQ("Scale: 0.625\nPOLY TEXSCALE UU=1.000000 VV=1.600000\n", r.out);
}

} // namespace
} // namespace kestrow::testing
