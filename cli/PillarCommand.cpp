#include <string_view>

#include "cli/FieldReader.h"
#include "cli/OptionParser.h"
#include "cli/Subcommands.h"
#include "pages/CommandText.h"
#include "pages/PillarWrapCalc.h"
#include "ui/NumberText.h"

namespace kestrow::cli {
namespace {

constexpr std::string_view kUsage = R"(usage: kestrow-cli pillar [OPTIONS]

The Pillar Wrap page: a pillar built as a regular prism.
  --width N            texture width in texels, 4 to 16384 (128)
  --sides N            number of sides, 3 to 256 (8)
  --radius EXPR        radius, 1 to 65535 ("32")
  --align-to-side      radius runs to the middle of a side (default)
  --align-to-corner    radius runs to a corner
  --negate             negate both pan values (default)
  --no-negate          keep the pan values' signs
  --textures X         textures to fit around the pillar, 0.0625 to 256 (1)
  --other-scale X      scale of the other axis, 0.03125 to 32 (1)
  --axis U|V           axis the commands address (U)
Prints the five results, then the Simple Pan, Best Scale and Best Pan commands.
)";

constexpr int kResultDigits = 15;

struct PillarFields {
    std::string width = "128";
    std::string sides = "8";
    std::string radius = "32";
    bool alignToSide = true;
    bool negatePan = true;
    std::string textures = "1";
    std::string otherScale = "1";
    std::string axis = "U";
};

} // namespace

int RunPillarCommand(Args args, std::ostream& out, std::ostream& err) {
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
    if (auto status = ExitBeforeRunning(parser.Parse(args), kUsage, out, err)) {
        return *status;
    }
    const std::optional<char> axis = ParseAxis(fields.axis);
    if (!axis) {
        return ReportUsageError("--axis takes U or V", kUsage, err);
    }

    // The page's order of checks.
    FieldReader reader(err);
    const auto sides = reader.Int(fields.sides, 3, 256);
    if (!sides) {
        return kExitRejected;
    }
    const auto otherScale = reader.Number(fields.otherScale, 0.03125, 32);
    if (!otherScale) {
        return kExitRejected;
    }
    const auto textures = reader.Number(fields.textures, 0.0625, 256);
    if (!textures) {
        return kExitRejected;
    }
    const auto width = reader.Int(fields.width, 4, 16384);
    if (!width) {
        return kExitRejected;
    }
    const auto radius = reader.Expression(fields.radius, 1);
    if (!radius) {
        return kExitRejected;
    }

    const PillarWrapResult r =
        ComputePillarWrap(*radius, *sides, fields.alignToSide, fields.negatePan, *width, *textures);
    out << "Total Circumference: " << FormatGeneral(r.circumference, kResultDigits) << '\n'
        << "Simple pan value: " << r.simplePan << '\n'
        << "Best scale: " << FormatGeneral(r.bestScale, kResultDigits) << '\n'
        << "Best pan value: " << r.bestPan << '\n'
        << "Total Fractional Error: " << FormatGeneral(r.fractionalError, kResultDigits) << '\n'
        << TexPanCommand(*axis, r.simplePan) << '\n'
        << FittedScaleCommand(*axis, r.bestScale, *otherScale) << '\n'
        << TexPanCommand(*axis, r.bestPan) << '\n';
    return kExitOk;
}

} // namespace kestrow::cli
