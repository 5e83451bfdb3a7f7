#include <string>

#include "cli/FieldOptions.h"
#include "cli/FieldReader.h"
#include "cli/OptionParser.h"
#include "cli/Subcommands.h"
#include "pages/CommandText.h"
#include "pages/PillarWrapCalc.h"
#include "pages/PillarWrapFields.h"
#include "ui/NumberText.h"

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
           "Prints the five results, then the Simple Pan, Best Scale and Best Pan commands.\n";
}

constexpr int kResultDigits = 15;

struct PillarFields {
    std::string width = DefaultText(kTexWidth);
    std::string sides = DefaultText(kSides);
    std::string radius = DefaultText(kRadius);
    bool alignToSide = kAlignToSide.initial != 0;
    bool negatePan = kNegatePan.initial != 0;
    std::string textures = DefaultText(kTextureCount);
    std::string otherScale = DefaultText(kOtherScale);
    std::string axis = AxisText(kApplyTo);
};

} // namespace

int RunPillarCommand(Args args, std::ostream& out, std::ostream& err) {
    const std::string usage = Usage();
    PillarFields fields;
    OptionParser parser;
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
    if (auto status = ExitBeforeRunning(parser.Parse(args), usage, out, err)) {
        return *status;
    }
    const std::optional<char> axis = ParseAxis(fields.axis);
    if (!axis) {
        return ReportUsageError("--axis takes U or V", usage, err);
    }

    int sides = 0;
    double otherScale = 0;
    double textures = 0;
    int width = 0;
    float radius = 0;
    // The page's order of checks.
    if (!ReadFields(err, {{fields.sides, kSides, sides},
                          {fields.otherScale, kOtherScale, otherScale},
                          {fields.textures, kTextureCount, textures},
                          {fields.width, kTexWidth, width},
                          {fields.radius, kRadius, radius}})) {
        return kExitRejected;
    }

    const PillarWrapResult r =
        ComputePillarWrap(radius, sides, fields.alignToSide, fields.negatePan, width, textures);
    out << "Total Circumference: " << FormatGeneral(r.circumference, kResultDigits) << '\n'
        << "Simple pan value: " << r.simplePan << '\n'
        << "Best scale: " << FormatGeneral(r.bestScale, kResultDigits) << '\n'
        << "Best pan value: " << r.bestPan << '\n'
        << "Total Fractional Error: " << FormatGeneral(r.fractionalError, kResultDigits) << '\n'
        << TexPanCommand(*axis, r.simplePan) << '\n'
        << FittedScaleCommand(*axis, r.bestScale, otherScale) << '\n'
        << TexPanCommand(*axis, r.bestPan) << '\n';
    return kExitOk;
}

} // namespace kestrow::cli
