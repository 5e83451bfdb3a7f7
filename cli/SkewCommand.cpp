#include <string_view>

#include "cli/FieldReader.h"
#include "cli/OptionParser.h"
#include "cli/Subcommands.h"
#include "pages/CommandText.h"
#include "pages/TextureSkewCalc.h"

namespace kestrow::cli {
namespace {

constexpr std::string_view kUsage = R"(usage: kestrow-cli skew [OPTIONS]

The Texture Skew page: a scale command that slants the texture.
  --horizontal, --no-horizontal   horizontal group on or off (off)
  --vertical, --no-vertical       vertical group on or off (on)
  --h-scale X          horizontal scale, 0.03125 to 256 (1)
  --h-rise EXPR        horizontal rise, 1 to 65535 ("256")
  --h-run EXPR         horizontal run, 0 to 65535 ("0")
  --h-negate, --no-h-negate       horizontal Negate box (clear)
  --v-scale X          vertical scale, 0.03125 to 256 (1)
  --v-rise EXPR        vertical rise, 0 to 65535 ("256")
  --v-run EXPR         vertical run, 1 to 65535 ("512")
  --v-negate, --no-v-negate       vertical Negate box (clear)
A checked Negate box keeps the skew term positive. All four expressions are
checked whichever groups are on. Prints the Texture Skew command.
)";

struct SkewFields {
    bool horizontal = false;
    bool vertical = true;
    std::string hScale = "1";
    std::string hRise = "256";
    std::string hRun = "0";
    bool hNegate = false;
    std::string vScale = "1";
    std::string vRise = "256";
    std::string vRun = "512";
    bool vNegate = false;
};

} // namespace

int RunSkewCommand(Args args, std::ostream& out, std::ostream& err) {
    SkewFields fields;
    OptionParser parser;
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
    if (auto status = ExitBeforeRunning(parser.Parse(args), kUsage, out, err)) {
        return *status;
    }
    if (!fields.horizontal && !fields.vertical) {
        err << "kestrow-cli: skew: both groups are off, so there is no command "
               "(turn on --horizontal or --vertical)\n";
        return kExitRejected;
    }

    // The page's order of checks.
    FieldReader reader(err);
    const auto hScale = reader.Number(fields.hScale, 0.03125, 256);
    if (!hScale) {
        return kExitRejected;
    }
    const auto vScale = reader.Number(fields.vScale, 0.03125, 256);
    if (!vScale) {
        return kExitRejected;
    }
    const auto hRise = reader.Expression(fields.hRise, 1);
    if (!hRise) {
        return kExitRejected;
    }
    const auto hRun = reader.Expression(fields.hRun, 0);
    if (!hRun) {
        return kExitRejected;
    }
    const auto vRise = reader.Expression(fields.vRise, 0);
    if (!vRise) {
        return kExitRejected;
    }
    const auto vRun = reader.Expression(fields.vRun, 1);
    if (!vRun) {
        return kExitRejected;
    }

    const HorzSkewResult h = ComputeHorzSkew(*hScale, *hRise, *hRun, fields.hNegate);
    const VertSkewResult v = ComputeVertSkew(*vScale, *vRise, *vRun, fields.vNegate);
    if (fields.horizontal && fields.vertical) {
        out << FullSkewCommand(h.uu, v.vv, h.uv, v.vu) << '\n';
    } else if (fields.horizontal) {
        out << HorzSkewCommand(h.uu, h.uv) << '\n';
    } else {
        out << VertSkewCommand(v.vv, v.vu) << '\n';
    }
    return kExitOk;
}

} // namespace kestrow::cli
