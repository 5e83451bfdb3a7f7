#include <string>

#include "cli/FieldOptions.h"
#include "cli/FieldReader.h"
#include "cli/OptionParser.h"
#include "cli/PageRun.h"
#include "cli/Subcommands.h"
#include "pages/CommandText.h"
#include "pages/PillarWrapCalc.h"
#include "pages/PillarWrapFields.h"

namespace kestrow::cli {
namespace {

using namespace pillar_wrap;

std::string DefaultMark(bool isDefault) {
    return isDefault ? " (default)" : "";
}

std::string Usage() {
    const bool toSide = kAlignToSide.initial != 0;
    const bool negate = kNegatePan.initial != 0;
    return "usage: kestrow-cli pillar [OPTIONS]\n"
           "\n"
           "The Pillar Wrap page: a pillar built as a regular prism.\n" +
           FieldOptionLine("--width N", "texture width in texels", kTexWidth) +
           FieldOptionLine("--sides N", "number of sides", kSides) +
           FieldOptionLine("--radius EXPR", "radius", kRadius) +
           OptionLine("--align-to-side",
                      "radius runs to the middle of a side" + DefaultMark(toSide)) +
           OptionLine("--align-to-corner", "radius runs to a corner" + DefaultMark(!toSide)) +
           OptionLine("--negate", "negate both pan values" + DefaultMark(negate)) +
           OptionLine("--no-negate", "keep the pan values' signs" + DefaultMark(!negate)) +
           FieldOptionLine("--textures X", "textures to fit around the pillar", kTextureCount) +
           FieldOptionLine("--other-scale X", "scale of the other axis", kOtherScale) +
           OptionLine("--axis U|V", "axis the commands address (" + AxisText(kApplyTo) + ")") +
           OptionLine("--candidates N", "instead, a table of the fits for 1 to N textures") +
           OptionLine("--apply[=WHICH]", "then send simple-pan, best-scale (default) or best-pan") +
           OptionLine("--json", "print one JSON object instead") +
           "Prints the five results, then the Simple Pan, Best Scale and Best Pan commands.\n";
}

const std::string kSimplePanName = "Simple Pan";
const std::string kBestScaleName = "Best Scale";
const std::string kBestPanName = "Best Pan";

// The command --apply names: simple-pan, best-scale or best-pan.
std::optional<std::string> AppliedCommand(std::string_view which) {
    if (which == "simple-pan")
        return kSimplePanName;
    if (which == "best-scale")
        return kBestScaleName;
    if (which == "best-pan")
        return kBestPanName;
    return std::nullopt;
}

struct PillarFields {
    std::string width = DefaultText(kTexWidth);
    std::string sides = DefaultText(kSides);
    std::string radius = DefaultText(kRadius);
    bool alignToSide = kAlignToSide.initial != 0;
    bool negatePan = kNegatePan.initial != 0;
    std::string textures = DefaultText(kTextureCount);
    std::string otherScale = DefaultText(kOtherScale);
    std::string axis = AxisText(kApplyTo);
    std::string candidates;
    std::string apply;
};

// The page's result labels, in the order of the report's results.
constexpr const char* kResultLabels[] = {"Total Circumference", "Simple pan value", "Best scale",
                                         "Best pan value", "Total Fractional Error"};

void PrintResults(std::ostream& out, const RunReport& report) {
    for (std::size_t i = 0; i < report.results.size(); ++i) {
        out << kResultLabels[i] << ": " << ResultText(report.results[i].value) << '\n';
    }
    for (const EditorCommand& command : report.commands)
        out << command.text << '\n';
}

} // namespace

int RunPillarCommand(Args args, const CliSession& session) {
    const std::string usage = Usage();
    PillarFields fields;
    PageRun page(session);
    OptionParser parser;
    page.AddJsonOption(parser);
    parser.AddValue("--width", fields.width);
    parser.AddValue("--sides", fields.sides);
    parser.AddValue("--radius", fields.radius);
    parser.AddFlag("--align-to-side", fields.alignToSide, true);
    parser.AddFlag("--align-to-corner", fields.alignToSide, false);
    parser.AddFlag("--negate", fields.negatePan, true);
    parser.AddFlag("--no-negate", fields.negatePan, false);
    parser.AddValue("--textures", fields.textures);
    parser.AddValue("--other-scale", fields.otherScale);
    parser.AddValue("--axis", fields.axis);
    parser.AddValue("--candidates", fields.candidates);
    parser.AddOptionalValue("--apply", fields.apply, "best-scale");
    if (auto status = ExitBeforeRunning(parser.Parse(args), usage, session.out, session.err)) {
        return *status;
    }
    const std::optional<char> axis = ParseAxis(fields.axis);
    if (!axis) {
        return ReportUsageError("--axis takes U or V", usage, session.err);
    }
    std::optional<std::string> applied;
    if (parser.Given("--apply")) {
        applied = AppliedCommand(fields.apply);
        if (!applied) {
            return ReportUsageError("--apply takes simple-pan, best-scale or best-pan", usage,
                                    session.err);
        }
    }
    std::optional<int> candidates;
    if (parser.Given("--candidates")) {
        candidates = ParseCandidateCount(fields.candidates);
        if (!candidates) {
            return ReportUsageError(kCandidatesCountError, usage, session.err);
        }
        if (parser.Given("--textures") || applied) {
            return ReportUsageError("--candidates goes without --textures and --apply", usage,
                                    session.err);
        }
        // The counts run up to N: the field checks N.
        fields.textures = std::to_string(*candidates);
    }
    if (auto status = page.PrepareToApply(applied)) {
        return *status;
    }

    int sides = 0;
    double otherScale = 0;
    double textures = 0;
    int width = 0;
    float radius = 0;
    RunReport report;
    // The page's order of checks.
    const bool accepted =
        ReadFields(report, {{"sides", fields.sides, kSides, sides},
                            {"other-scale", fields.otherScale, kOtherScale, otherScale},
                            {"textures", fields.textures, kTextureCount, textures},
                            {"width", fields.width, kTexWidth, width},
                            {"radius", fields.radius, kRadius, radius}});
    report.inputs.push_back({"align-to-side", fields.alignToSide});
    report.inputs.push_back({"negate", fields.negatePan});
    report.inputs.push_back({"axis", std::string(1, *axis)});
    const auto compute = [&](RunReport& run, double count) {
        const PillarWrapResult r =
            ComputePillarWrap(radius, sides, fields.alignToSide, fields.negatePan, width, count);
        run.results = {{"circumference", r.circumference},
                       {"simple-pan", r.simplePan},
                       {"best-scale", r.bestScale},
                       {"best-pan", r.bestPan},
                       {"fractional-error", r.fractionalError}};
        run.commands = {{kSimplePanName, TexPanCommand(*axis, r.simplePan)},
                        {kBestScaleName, FittedScaleCommand(*axis, r.bestScale, otherScale)},
                        {kBestPanName, TexPanCommand(*axis, r.bestPan)}};
    };
    if (candidates) {
        return page.Candidates(report, accepted, *candidates, {"textures"}, compute,
                               {{"Best scale", "best-scale"},
                                {"Best pan value", "best-pan"},
                                {"Total Fractional Error", "fractional-error"}});
    }
    if (accepted) {
        compute(report, textures);
        if (!page.Json()) {
            PrintResults(session.out, report);
        }
    }
    return page.Finish(report, accepted);
}

} // namespace kestrow::cli
