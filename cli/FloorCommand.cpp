#include <string>

#include "cli/FieldOptions.h"
#include "cli/FieldReader.h"
#include "cli/OptionParser.h"
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
           "Prints the Floor Scale command.\n";
}

struct FloorFields {
    std::string width = DefaultText(kTexWidth);
    std::string height = DefaultText(kTexHeight);
    std::string stretchX = DefaultText(kStretchX);
    std::string stretchY = DefaultText(kStretchY);
    std::string lengthX = DefaultText(kLengthX);
    std::string lengthY = DefaultText(kLengthY);
};

} // namespace

int RunFloorCommand(Args args, std::ostream& out, std::ostream& err) {
    const std::string usage = Usage();
    FloorFields fields;
    OptionParser parser;
    parser.AddValue("--width", fields.width);
    parser.AddValue("--height", fields.height);
    parser.AddValue("--stretch-x", fields.stretchX);
    parser.AddValue("--stretch-y", fields.stretchY);
    parser.AddValue("--length-x", fields.lengthX);
    parser.AddValue("--length-y", fields.lengthY);
    if (auto status = ExitBeforeRunning(parser.Parse(args), usage, out, err)) {
        return *status;
    }

    int width = 0;
    int height = 0;
    double stretchX = 0;
    double stretchY = 0;
    float lengthX = 0;
    float lengthY = 0;
    // The page's order of checks.
    if (!ReadFields(err, {{fields.width, kTexWidth, width},
                          {fields.height, kTexHeight, height},
                          {fields.stretchX, kStretchX, stretchX},
                          {fields.stretchY, kStretchY, stretchY},
                          {fields.lengthX, kLengthX, lengthX},
                          {fields.lengthY, kLengthY, lengthY}})) {
        return kExitRejected;
    }

    const FloorScaleResult r =
        ComputeFloorScale(width, height, stretchX, stretchY, lengthX, lengthY);
    out << TexScaleCommand(r.scaleU, r.scaleV) << '\n';
    return kExitOk;
}

} // namespace kestrow::cli
