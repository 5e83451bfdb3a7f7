#include <string>

#include "cli/FieldOptions.h"
#include "cli/FieldReader.h"
#include "cli/OptionParser.h"
#include "cli/PageRun.h"
#include "cli/Subcommands.h"
#include "pages/CommandText.h"
#include "pages/TextureSkewCalc.h"
#include "pages/TextureSkewFields.h"

namespace kestrow::cli {
namespace {

using namespace texture_skew;

// The flag pairs take a wider first column.
constexpr std::size_t kFlagColumn = 34;

std::string FlagLine(std::string_view flags, std::string_view what, const CheckField& field,
                     std::string_view onText, std::string_view offText) {
    return OptionLine(
        flags, std::string(what) + " (" + std::string(field.initial != 0 ? onText : offText) + ")",
        kFlagColumn);
}

std::string Usage() {
    return "usage: kestrow-cli skew [OPTIONS]\n"
           "\n"
           "The Texture Skew page: a scale command that slants the texture.\n" +
           FlagLine("--horizontal, --no-horizontal", "horizontal group on or off", kHorzSkew, "on",
                    "off") +
           FlagLine("--vertical, --no-vertical", "vertical group on or off", kVertSkew, "on",
                    "off") +
           FieldOptionLine("--h-scale X", "horizontal scale", kHorzScale) +
           FieldOptionLine("--h-rise EXPR", "horizontal rise", kHorzRise) +
           FieldOptionLine("--h-run EXPR", "horizontal run", kHorzRun) +
           FlagLine("--h-negate, --no-h-negate", "horizontal Negate box", kHorzNegate, "checked",
                    "clear") +
           FieldOptionLine("--v-scale X", "vertical scale", kVertScale) +
           FieldOptionLine("--v-rise EXPR", "vertical rise", kVertRise) +
           FieldOptionLine("--v-run EXPR", "vertical run", kVertRun) +
           FlagLine("--v-negate, --no-v-negate", "vertical Negate box", kVertNegate, "checked",
                    "clear") +
           OptionLine("--apply", "then send the command to the editor") +
           OptionLine("--json", "print one JSON object instead") +
           "A checked Negate box keeps the skew term positive. All four expressions are\n"
           "checked whichever groups are on. Prints the Texture Skew command.\n";
}

const std::string kCommandName = "Texture Skew";

struct SkewFields {
    bool horizontal = kHorzSkew.initial != 0;
    bool vertical = kVertSkew.initial != 0;
    std::string hScale = DefaultText(kHorzScale);
    std::string hRise = DefaultText(kHorzRise);
    std::string hRun = DefaultText(kHorzRun);
    bool hNegate = kHorzNegate.initial != 0;
    std::string vScale = DefaultText(kVertScale);
    std::string vRise = DefaultText(kVertRise);
    std::string vRun = DefaultText(kVertRun);
    bool vNegate = kVertNegate.initial != 0;
};

} // namespace

int RunSkewCommand(Args args, const CliSession& session) {
    const std::string usage = Usage();
    SkewFields fields;
    PageRun page(session);
    OptionParser parser;
    page.AddOptions(parser);
    parser.AddFlag("--horizontal", fields.horizontal, true);
    parser.AddFlag("--no-horizontal", fields.horizontal, false);
    parser.AddFlag("--vertical", fields.vertical, true);
    parser.AddFlag("--no-vertical", fields.vertical, false);
    parser.AddValue("--h-scale", fields.hScale);
    parser.AddValue("--h-rise", fields.hRise);
    parser.AddValue("--h-run", fields.hRun);
    parser.AddFlag("--h-negate", fields.hNegate, true);
    parser.AddFlag("--no-h-negate", fields.hNegate, false);
    parser.AddValue("--v-scale", fields.vScale);
    parser.AddValue("--v-rise", fields.vRise);
    parser.AddValue("--v-run", fields.vRun);
    parser.AddFlag("--v-negate", fields.vNegate, true);
    parser.AddFlag("--no-v-negate", fields.vNegate, false);
    if (auto status = ExitBeforeRunning(parser.Parse(args), usage, session.out, session.err)) {
        return *status;
    }
    if (auto status = page.Prepare(kCommandName)) {
        return *status;
    }

    RunReport report;
    report.inputs = {{"horizontal", fields.horizontal},
                     {"vertical", fields.vertical},
                     {"h-negate", fields.hNegate},
                     {"v-negate", fields.vNegate}};
    if (!fields.horizontal && !fields.vertical) {
        report.messages.push_back("kestrow-cli: skew: both groups are off, so there is no command "
                                  "(turn on --horizontal or --vertical)");
        return page.Finish(report, false);
    }

    double hScale = 0;
    double vScale = 0;
    float hRise = 0;
    float hRun = 0;
    float vRise = 0;
    float vRun = 0;
    // The page's order of checks.
    const bool accepted = ReadFields(report, {{"h-scale", fields.hScale, kHorzScale, hScale},
                                              {"v-scale", fields.vScale, kVertScale, vScale},
                                              {"h-rise", fields.hRise, kHorzRise, hRise},
                                              {"h-run", fields.hRun, kHorzRun, hRun},
                                              {"v-rise", fields.vRise, kVertRise, vRise},
                                              {"v-run", fields.vRun, kVertRun, vRun}});
    if (accepted) {
        // A group that is off has no results.
        const HorzSkewResult h = ComputeHorzSkew(hScale, hRise, hRun, fields.hNegate);
        const VertSkewResult v = ComputeVertSkew(vScale, vRise, vRun, fields.vNegate);
        const auto ifOn = [](bool on, double value) { return on ? Value(value) : Value(); };
        report.results = {{"uu", ifOn(fields.horizontal, h.uu)},
                          {"uv", ifOn(fields.horizontal, h.uv)},
                          {"vv", ifOn(fields.vertical, v.vv)},
                          {"vu", ifOn(fields.vertical, v.vu)}};
        std::string command;
        if (fields.horizontal && fields.vertical) {
            command = FullSkewCommand(h.uu, v.vv, h.uv, v.vu);
        } else if (fields.horizontal) {
            command = HorzSkewCommand(h.uu, h.uv);
        } else {
            command = VertSkewCommand(v.vv, v.vu);
        }
        report.commands = {{kCommandName, command}};
        if (!page.Json()) {
            session.out << command << '\n';
        }
    }
    return page.Finish(report, accepted);
}

} // namespace kestrow::cli
