#include <string>

#include "cli/FieldOptions.h"
#include "cli/FieldReader.h"
#include "cli/OptionParser.h"
#include "cli/PageRun.h"
#include "cli/Subcommands.h"
#include "pages/CommandText.h"
#include "pages/FloorScaleCalc.h"
#include "pages/FloorScaleFields.h"

namespace kestrow::cli {
namespace {

using namespace floor_scale;

std::string Usage() {
    return "usage: kestrow-cli floor [OPTIONS]\n"
           "\n"
           "The Floor Scale page: per-axis scales for a face of given extent.\n" +
           FieldOptionLine("--width N", "texture width in texels", kTexWidth) +
           FieldOptionLine("--height N", "texture height in texels", kTexHeight) +
           FieldOptionLine("--stretch-x X", "repeats across X", kStretchX) +
           FieldOptionLine("--stretch-y X", "repeats across Y", kStretchY) +
           FieldOptionLine("--length-x EXPR", "extent along X", kLengthX) +
           FieldOptionLine("--length-y EXPR", "extent along Y", kLengthY) +
           OptionLine("--candidates N", "instead, a table of both scales for 1 to N repeats") +
           OptionLine("--apply", "then send the command to the editor") +
           OptionLine("--json", "print one JSON object instead") +
           "Prints the Floor Scale command.\n";
}

const std::string kCommandName = "Floor Scale";

struct FloorFields {
    std::string width = DefaultText(kTexWidth);
    std::string height = DefaultText(kTexHeight);
    std::string stretchX = DefaultText(kStretchX);
    std::string stretchY = DefaultText(kStretchY);
    std::string lengthX = DefaultText(kLengthX);
    std::string lengthY = DefaultText(kLengthY);
    std::string candidates;
};

} // namespace

int RunFloorCommand(Args args, const CliSession& session) {
    const std::string usage = Usage();
    FloorFields fields;
    PageRun page(session);
    OptionParser parser;
    page.AddOptions(parser);
    parser.AddValue("--width", fields.width);
    parser.AddValue("--height", fields.height);
    parser.AddValue("--stretch-x", fields.stretchX);
    parser.AddValue("--stretch-y", fields.stretchY);
    parser.AddValue("--length-x", fields.lengthX);
    parser.AddValue("--length-y", fields.lengthY);
    parser.AddValue("--candidates", fields.candidates);
    if (auto status = ExitBeforeRunning(parser.Parse(args), usage, session.out, session.err)) {
        return *status;
    }
    std::optional<int> candidates;
    if (parser.Given("--candidates")) {
        candidates = ParseCandidateCount(fields.candidates);
        if (!candidates) {
            return ReportUsageError(kCandidatesCountError, usage, session.err);
        }
        if (parser.Given("--stretch-x") || parser.Given("--stretch-y") || parser.Given("--apply")) {
            return ReportUsageError(
                "--candidates goes without --stretch-x, --stretch-y and --apply", usage,
                session.err);
        }
        // Both counts run up to N: the fields check N.
        fields.stretchX = fields.stretchY = std::to_string(*candidates);
    }
    if (auto status = page.Prepare(kCommandName)) {
        return *status;
    }

    int width = 0;
    int height = 0;
    double stretchX = 0;
    double stretchY = 0;
    float lengthX = 0;
    float lengthY = 0;
    RunReport report;
    // The page's order of checks.
    const bool accepted = ReadFields(report, {{"width", fields.width, kTexWidth, width},
                                              {"height", fields.height, kTexHeight, height},
                                              {"stretch-x", fields.stretchX, kStretchX, stretchX},
                                              {"stretch-y", fields.stretchY, kStretchY, stretchY},
                                              {"length-x", fields.lengthX, kLengthX, lengthX},
                                              {"length-y", fields.lengthY, kLengthY, lengthY}});
    const auto compute = [&](RunReport& run, double countX, double countY) {
        const FloorScaleResult r =
            ComputeFloorScale(width, height, countX, countY, lengthX, lengthY);
        run.results = {{"scale-u", r.scaleU}, {"scale-v", r.scaleV}};
        run.commands = {{kCommandName, TexScaleCommand(r.scaleU, r.scaleV)}};
    };
    if (candidates) {
        return page.Candidates(report, accepted, *candidates, {"stretch-x", "stretch-y"},
                               [&](RunReport& row, double count) { compute(row, count, count); },
                               {{"Scale U (X)", "scale-u"}, {"Scale V (Y)", "scale-v"}});
    }
    if (accepted) {
        compute(report, stretchX, stretchY);
        if (!page.Json()) {
            session.out << report.commands.front().text << '\n';
        }
    }
    return page.Finish(report, accepted);
}

} // namespace kestrow::cli
