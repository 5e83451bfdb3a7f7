#include <string_view>

#include "cli/FieldReader.h"
#include "cli/OptionParser.h"
#include "cli/Subcommands.h"
#include "pages/BevelScaleCalc.h"
#include "pages/CommandText.h"
#include "ui/NumberText.h"

namespace kestrow::cli {
namespace {

constexpr std::string_view kUsage = R"(usage: kestrow-cli bevel [OPTIONS]

The Bevel Scale page: the scale that fits textures along a slanted face.
  --width N            texture width in texels, 4 to 16384 (128)
  --rise EXPR          rise, 1 to 65535 ("64")
  --run EXPR           run, 1 to 65535 ("64")
  --textures X         textures to fit along the slant, 0.0625 to 128 (1)
  --other-scale X      scale of the other axis, 0.03125 to 32 (1)
  --axis U|V           axis that receives the computed scale (V)
Prints the scale, then the Bevel Scale command.
)";

constexpr int kResultDigits = 15;

struct BevelFields {
    std::string width = "128";
    std::string rise = "64";
    std::string run = "64";
    std::string textures = "1";
    std::string otherScale = "1";
    std::string axis = "V";
};

} // namespace

int RunBevelCommand(Args args, std::ostream& out, std::ostream& err) {
    BevelFields fields;
    OptionParser parser;
    parser.AddValue("--width", fields.width);
    parser.AddValue("--rise", fields.rise);
    parser.AddValue("--run", fields.run);
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
    const auto textures = reader.Number(fields.textures, 0.0625, 128);
    if (!textures) {
        return kExitRejected;
    }
    const auto otherScale = reader.Number(fields.otherScale, 0.03125, 32);
    if (!otherScale) {
        return kExitRejected;
    }
    const auto width = reader.Int(fields.width, 4, 16384);
    if (!width) {
        return kExitRejected;
    }
    const auto rise = reader.Expression(fields.rise, 1);
    if (!rise) {
        return kExitRejected;
    }
    const auto run = reader.Expression(fields.run, 1);
    if (!run) {
        return kExitRejected;
    }

    const double scale = ComputeBevelScale(*rise, *run, *width, *textures);
    out << "Scale: " << FormatGeneral(scale, kResultDigits) << '\n'
        << FittedScaleCommand(*axis, scale, *otherScale) << '\n';
    return kExitOk;
}

} // namespace kestrow::cli
