#include <string>

#include "cli/FieldOptions.h"
#include "cli/FieldReader.h"
#include "cli/OptionParser.h"
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
           "Prints the scale, then the Bevel Scale command.\n";
}

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

int RunBevelCommand(Args args, std::ostream& out, std::ostream& err) {
    const std::string usage = Usage();
    BevelFields fields;
    OptionParser parser;
    parser.AddValue("--width", fields.width);
    parser.AddValue("--rise", fields.rise);
    parser.AddValue("--run", fields.run);
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

    double textures = 0;
    double otherScale = 0;
    int width = 0;
    float rise = 0;
    float run = 0;
    // The page's order of checks.
    if (!ReadFields(err, {{fields.textures, kTextureCount, textures},
                          {fields.otherScale, kOtherScale, otherScale},
                          {fields.width, kTexWidth, width},
                          {fields.rise, kRise, rise},
                          {fields.run, kRun, run}})) {
        return kExitRejected;
    }

    const double scale = ComputeBevelScale(rise, run, width, textures);
    out << "Scale: " << FormatGeneral(scale, kResultDigits) << '\n'
        << FittedScaleCommand(*axis, scale, otherScale) << '\n';
    return kExitOk;
}

} // namespace kestrow::cli
