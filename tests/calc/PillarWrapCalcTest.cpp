#include "pages/PillarWrapCalc.h"
#include "pages/CommandText.h"
#include "text/NumberText.h"

#include <cmath>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "ExampleName.h"

#include "TwelveDigits.h"

namespace kestrow {
namespace {

using testing::NearTwelveDigits;

struct PillarExample {
    const char* name;
    int texWidth;
    int sides;
    float radius;
    bool alignToSide;
    bool negatePan;
    double textureCount;
    double otherScale;
    char axis;
    double circumference;
    int simplePan;
    double bestScale;
    int bestPan;
    double fractionalError;
    const char* simplePanCommand;
    const char* bestScaleCommand;
    const char* bestPanCommand;
};

void PrintTo(const PillarExample& example, std::ostream* os) {
    *os << example.name;
}

const PillarExample kExamples[] = {
    {"Defaults", 128, 8, 32, true, true, 1, 1, 'U', 212, -27, 1.65685424973, -16, 0,
     "POLY TEXPAN U=-27", "POLY TEXSCALE UU=0.603553 VV=1.000000", "POLY TEXPAN U=-16"},
    {"AlignToCorner", 128, 8, 32, false, true, 1, 1, 'U', 196, -24, 1.53073372965, -16, 0,
     "POLY TEXPAN U=-24", "POLY TEXSCALE UU=0.653281 VV=1.000000", "POLY TEXPAN U=-16"},
    {"HexagonTwoTexturesOnV", 256, 6, 100, false, false, 2, 1, 'V', 600, 100, 1.17187500014, 85,
     -2.34375000028, "POLY TEXPAN V=100", "POLY TEXSCALE UU=1.000000 VV=0.853333",
     "POLY TEXPAN V=85"},
    {"LargestTriangle", 128, 3, 65535, true, true, 1, 1, 'U', 681060, -227020, 5320.77889265, -43,
     5320.77889265, "POLY TEXPAN U=-227020", "POLY TEXSCALE UU=0.000188 VV=1.000000",
     "POLY TEXPAN U=-43"},
    {"TexelsPerSideRoundToZero", 4, 256, 1, false, true, 0.0625, 1, 'U', 6, 0, 25.1321104124, 0,
     -6.28302760311, "POLY TEXPAN U=0", "POLY TEXSCALE UU=0.039790 VV=1.000000", "POLY TEXPAN U=0"},
};

class PillarWrapExample : public ::testing::TestWithParam<PillarExample> {};

TEST_P(PillarWrapExample, ResultsAndCommands) {
    const PillarExample& ex = GetParam();
    const PillarWrapResult r = ComputePillarWrap(ex.radius, ex.sides, ex.alignToSide, ex.negatePan,
                                                 ex.texWidth, ex.textureCount);
    EXPECT_EQ(ex.circumference, r.circumference);
    EXPECT_EQ(ex.simplePan, r.simplePan);
    EXPECT_TRUE(NearTwelveDigits(ex.bestScale, r.bestScale));
    EXPECT_EQ(ex.bestPan, r.bestPan);
    if (ex.fractionalError == 0) {
        EXPECT_EQ(0.0, r.fractionalError);
    } else {
        EXPECT_TRUE(NearTwelveDigits(ex.fractionalError, r.fractionalError));
    }
    EXPECT_EQ(ex.simplePanCommand, TexPanCommand(ex.axis, r.simplePan));
    EXPECT_EQ(ex.bestScaleCommand, FittedScaleCommand(ex.axis, r.bestScale, ex.otherScale));
    EXPECT_EQ(ex.bestPanCommand, TexPanCommand(ex.axis, r.bestPan));
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, PillarWrapExample, ::testing::ValuesIn(kExamples),
                         testing::ExampleName());

TEST(PillarWrapCalc, ShortPiConstantShowsInTenthDigit) {
    // With full-precision pi this hexagon would fit at exactly 1.171875.
    const PillarWrapResult r = ComputePillarWrap(100, 6, false, false, 256, 2);
    EXPECT_EQ("1.17187500013877", FormatGeneral(r.bestScale, 15));
}

TEST(PillarWrapCalc, ExactFitLeavesNegativeZeroError) {
    const PillarWrapResult r = ComputePillarWrap(32, 8, true, true, 128, 1);
    EXPECT_EQ(0.0, r.fractionalError);
    EXPECT_TRUE(std::signbit(r.fractionalError));
}

TEST(PillarWrapCalc, SignTouchesOnlyThePans) {
    const PillarWrapResult negated = ComputePillarWrap(50, 5, true, true, 64, 1.5);
    const PillarWrapResult plain = ComputePillarWrap(50, 5, true, false, 64, 1.5);
    EXPECT_EQ(-plain.simplePan, negated.simplePan);
    EXPECT_EQ(-plain.bestPan, negated.bestPan);
    EXPECT_GT(plain.simplePan, 0);
    EXPECT_GT(plain.bestPan, 0);
    EXPECT_EQ(plain.circumference, negated.circumference);
    EXPECT_EQ(plain.bestScale, negated.bestScale);
    EXPECT_EQ(plain.fractionalError, negated.fractionalError);
}

TEST(PillarWrapCalc, FractionalRadiusIsUsedAsIs) {
    // Square aligned to its sides: each side is twice the radius.
    const PillarWrapResult r = ComputePillarWrap(31.5f, 4, true, false, 128, 1);
    EXPECT_EQ(63, r.simplePan);
    EXPECT_EQ(252, r.circumference);
}

} // namespace
} // namespace kestrow
