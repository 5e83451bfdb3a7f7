// The four calculator pages as kestrow-cli commands: what each one's options
// are called and what its usage says. The rest comes from the page descriptions.
#include "cli/PageCommand.h"
#include "pages/BevelScaleForm.h"
#include "pages/FloorScaleForm.h"
#include "pages/PillarWrapForm.h"
#include "pages/TextureSkewForm.h"

namespace kestrow::cli {

int RunPillarCommand(Args args, const CliSession& session) {
    using namespace pillar_wrap;
    static const PageCommandSpec spec{
        .name = "pillar",
        .summary = "The Pillar Wrap page: a pillar built as a regular prism.",
        .options = {FieldOption{&kTexWidth, "texture width in texels"},
                    FieldOption{&kSides, "number of sides"}, FieldOption{&kRadius, "radius"},
                    CheckOption{&kAlignToSide, "radius runs to the middle of a side",
                                "align-to-corner", "radius runs to a corner"},
                    CheckOption{&kNegatePan, "negate both pan values", "no-negate",
                                "keep the pan values' signs"},
                    FieldOption{&kTextureCount, "textures to fit around the pillar"},
                    FieldOption{&kOtherScale, "scale of the other axis"},
                    AxisOption{&kApplyTo, "axis the commands address"}},
        .prints = "the five results, then ",
        .countFields = {&kTextureCount},
        .countColumns = {&kBestScale, &kBestPan, &kFractionalError},
        .candidatesWhat = "instead, a table of the fits for 1 to N textures",
        .applyDefault = kCmdBestScale.name,
    };
    return RunPageCommand<Form>(spec, args, session);
}

int RunBevelCommand(Args args, const CliSession& session) {
    using namespace bevel_scale;
    static const PageCommandSpec spec{
        .name = "bevel",
        .summary = "The Bevel Scale page: the scale that fits textures along a slanted face.",
        .options = {FieldOption{&kTexWidth, "texture width in texels"}, FieldOption{&kRise, "rise"},
                    FieldOption{&kRun, "run"},
                    FieldOption{&kTextureCount, "textures to fit along the slant"},
                    FieldOption{&kOtherScale, "scale of the other axis"},
                    AxisOption{&kApplyTo, "axis that receives the computed scale"}},
        .prints = "the scale, then ",
    };
    return RunPageCommand<Form>(spec, args, session);
}

int RunFloorCommand(Args args, const CliSession& session) {
    using namespace floor_scale;
    static const PageCommandSpec spec{
        .name = "floor",
        .summary = "The Floor Scale page: per-axis scales for a face of given extent.",
        .options = {FieldOption{&kTexWidth, "texture width in texels"},
                    FieldOption{&kTexHeight, "texture height in texels"},
                    FieldOption{&kStretchX, "repeats across X"},
                    FieldOption{&kStretchY, "repeats across Y"},
                    FieldOption{&kLengthX, "extent along X"},
                    FieldOption{&kLengthY, "extent along Y"}},
        .countFields = {&kStretchX, &kStretchY},
        .countColumns = {&kScaleU, &kScaleV},
        .candidatesWhat = "instead, a table of both scales for 1 to N repeats",
    };
    return RunPageCommand<Form>(spec, args, session);
}

int RunSkewCommand(Args args, const CliSession& session) {
    using namespace texture_skew;
    static const PageCommandSpec spec{
        .name = "skew",
        .summary = "The Texture Skew page: a scale command that slants the texture.",
        .options =
            {CheckOption{&kHorzSkew, "horizontal group on or off", {}, {}, {"on", "off"}},
             CheckOption{&kVertSkew, "vertical group on or off", {}, {}, {"on", "off"}},
             FieldOption{&kHorzScale, "horizontal scale"},
             FieldOption{&kHorzRise, "horizontal rise"}, FieldOption{&kHorzRun, "horizontal run"},
             CheckOption{&kHorzNegate, "horizontal Negate box", {}, {}, {"checked", "clear"}},
             FieldOption{&kVertScale, "vertical scale"}, FieldOption{&kVertRise, "vertical rise"},
             FieldOption{&kVertRun, "vertical run"},
             CheckOption{&kVertNegate, "vertical Negate box", {}, {}, {"checked", "clear"}}},
        .note = "A checked Negate box keeps the skew term positive. All four expressions are\n"
                "checked whichever groups are on. ",
        .notReady = "kestrow-cli: skew: both groups are off, so there is no command (turn on "
                    "--horizontal or --vertical)",
    };
    return RunPageCommand<Form>(spec, args, session, Ready);
}

} // namespace kestrow::cli
