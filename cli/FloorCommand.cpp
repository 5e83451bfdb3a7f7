#include <string_view>

#include "cli/FieldReader.h"
#include "cli/OptionParser.h"
#include "cli/Subcommands.h"
#include "pages/CommandText.h"
#include "pages/FloorScaleCalc.h"

namespace kestrow::cli {
namespace {

constexpr std::string_view kUsage = R"(usage: kestrow-cli floor [OPTIONS]

The Floor Scale page: per-axis scales for a face of given extent.
  --width N            texture width in texels, 4 to 16384 (128)
  --height N           texture height in texels, 4 to 16384 (128)
  --stretch-x X        repeats across X, 0.03125 to 256 (1)
  --stretch-y X        repeats across Y, 0.03125 to 256 (1)
  --length-x EXPR      extent along X, 1 to 65535 ("256")
  --length-y EXPR      extent along Y, 1 to 65535 ("256")
Prints the Floor Scale command.
)";

struct FloorFields {
    std::string width = "128";
    std::string height = "128";
    std::string stretchX = "1";
    std::string stretchY = "1";
    std::string lengthX = "256";
    std::string lengthY = "256";
};

} // namespace

int RunFloorCommand(Args args, std::ostream& out, std::ostream& err) {
    FloorFields fields;
    OptionParser parser;
    parser.AddValue("--width", fields.width);
    parser.AddValue("--height", fields.height);
    parser.AddValue("--stretch-x", fields.stretchX);
    parser.AddValue("--stretch-y", fields.stretchY);
    parser.AddValue("--length-x", fields.lengthX);
    parser.AddValue("--length-y", fields.lengthY);
    if (auto status = ExitBeforeRunning(parser.Parse(args), kUsage, out, err)) {
        return *status;
    }

    // The page's order of checks.
    FieldReader reader(err);
    const auto width = reader.Int(fields.width, 4, 16384);
    if (!width) {
        return kExitRejected;
    }
    const auto height = reader.Int(fields.height, 4, 16384);
    if (!height) {
        return kExitRejected;
    }
    const auto stretchX = reader.Number(fields.stretchX, 0.03125, 256);
    if (!stretchX) {
        return kExitRejected;
    }
    const auto stretchY = reader.Number(fields.stretchY, 0.03125, 256);
    if (!stretchY) {
        return kExitRejected;
    }
    const auto lengthX = reader.Expression(fields.lengthX, 1);
    if (!lengthX) {
        return kExitRejected;
    }
    const auto lengthY = reader.Expression(fields.lengthY, 1);
    if (!lengthY) {
        return kExitRejected;
    }

    const FloorScaleResult r =
        ComputeFloorScale(*width, *height, *stretchX, *stretchY, *lengthX, *lengthY);
    out << TexScaleCommand(r.scaleU, r.scaleV) << '\n';
    return kExitOk;
}

} // namespace kestrow::cli
