#include <string>

#include "cli/FieldOptions.h"
#include "cli/FieldReader.h"
#include "cli/OptionParser.h"
#include "cli/PageRun.h"
#include "cli/Subcommands.h"
#include "pages/BevelScaleCalc.h"
#include "pages/BevelScaleFields.h"
#include "pages/CommandText.h"
#include "ui/NumberText.h"

namespace kestrow::cli {
namespace {

using namespace bevel_scale;

std::string Usage() {
    return "usage: kestrow-cli bevel [OPTIONS]\n"
           "\n"
           "The Bevel Scale page: the scale that fits textures along a slanted face.\n" +
           FieldOptionLine("--width N", "texture width in texels", kTexWidth) +
           FieldOptionLine("--rise EXPR", "rise", kRise) +
           FieldOptionLine("--run EXPR", "run", kRun) +
           FieldOptionLine("--textures X", "textures to fit along the slant", kTextureCount) +
           FieldOptionLine("--other-scale X", "scale of the other axis", kOtherScale) +
           OptionLine("--axis U|V",
                      "axis that receives the computed scale (" + AxisText(kApplyTo) + ")") +
           OptionLine("--apply", "then send the command to the editor") +
           OptionLine("--json", "print one JSON object instead") +
           "Prints the scale, then the Bevel Scale command.\n";
}

const std::string kCommandName = "Bevel Scale";

constexpr int kResultDigits = 15;

struct BevelFields {
    std::string width = DefaultText(kTexWidth);
    std::string rise = DefaultText(kRise);
    std::string run = DefaultText(kRun);
    std::string textures = DefaultText(kTextureCount);
    std::string otherScale = DefaultText(kOtherScale);
    std::string axis = AxisText(kApplyTo);
};

} // namespace

int RunBevelCommand(Args args, const CliSession& session) {
    const std::string usage = Usage();
    BevelFields fields;
    PageRun page(session);
    OptionParser parser;
    page.AddOptions(parser);
    parser.AddValue("--width", fields.width);
    parser.AddValue("--rise", fields.rise);
    parser.AddValue("--run", fields.run);
    parser.AddValue("--textures", fields.textures);
    parser.AddValue("--other-scale", fields.otherScale);
    parser.AddValue("--axis", fields.axis);
    if (auto status = ExitBeforeRunning(parser.Parse(args), usage, session.out, session.err)) {
        return *status;
    }
    const std::optional<char> axis = ParseAxis(fields.axis);
    if (!axis) {
        return ReportUsageError("--axis takes U or V", usage, session.err);
    }
    if (auto status = page.Prepare(kCommandName)) {
        return *status;
    }

    double textures = 0;
    double otherScale = 0;
    int width = 0;
    float rise = 0;
    float run = 0;
    RunReport report;
    // The page's order of checks.
    const bool accepted =
        ReadFields(report, {{"textures", fields.textures, kTextureCount, textures},
                            {"other-scale", fields.otherScale, kOtherScale, otherScale},
                            {"width", fields.width, kTexWidth, width},
                            {"rise", fields.rise, kRise, rise},
                            {"run", fields.run, kRun, run}});
    report.inputs.push_back({"axis", std::string(1, *axis)});
    if (accepted) {
        const double scale = ComputeBevelScale(rise, run, width, textures);
        report.results = {{"scale", scale}};
        report.commands = {{kCommandName, FittedScaleCommand(*axis, scale, otherScale)}};
        if (!page.Json()) {
            session.out << "Scale: " << FormatGeneral(scale, kResultDigits) << '\n'
                        << report.commands.front().text << '\n';
        }
    }
    return page.Finish(report, accepted);
}

} // namespace kestrow::cli
