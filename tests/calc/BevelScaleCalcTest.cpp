#include "pages/BevelScaleCalc.h"
#include "pages/CommandText.h"

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "ExampleName.h"

#include "TwelveDigits.h"

namespace kestrow {
namespace {

using testing::NearTwelveDigits;

struct BevelExample {
    const char* name;
    int texWidth;
    float rise;
    float run;
    double textureCount;
    double otherScale;
    char axis;
    double scale;
    const char* command;
};

void PrintTo(const BevelExample& example, std::ostream* os) {
    *os << example.name;
}

const BevelExample kExamples[] = {
    {"Defaults", 128, 64, 64, 1, 1, 'V', 0.707106781187, "POLY TEXSCALE UU=1.000000 VV=1.414214"},
    {"TwoTexturesOnU", 256, 48, 64, 2, 0.5, 'U', 0.15625, "POLY TEXSCALE UU=6.400000 VV=2.000000"},
    {"TwoTexturesOnV", 256, 48, 64, 2, 0.5, 'V', 0.15625, "POLY TEXSCALE UU=2.000000 VV=6.400000"},
    {"SmallestScale", 16384, 1, 1, 128, 1, 'U', 6.74349576174e-7,
     "POLY TEXSCALE UU=1482910.400379 VV=1.000000"},
    {"LargestScale", 4, 65535, 65535, 0.0625, 1, 'U', 370721.94324,
     "POLY TEXSCALE UU=0.000003 VV=1.000000"},
};

class BevelScaleExample : public ::testing::TestWithParam<BevelExample> {};

TEST_P(BevelScaleExample, ScaleAndCommand) {
    const BevelExample& ex = GetParam();
    const double scale = ComputeBevelScale(ex.rise, ex.run, ex.texWidth, ex.textureCount);
    EXPECT_TRUE(NearTwelveDigits(ex.scale, scale));
    EXPECT_EQ(ex.command, FittedScaleCommand(ex.axis, scale, ex.otherScale));
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, BevelScaleExample, ::testing::ValuesIn(kExamples),
                         testing::ExampleName());

TEST(BevelScaleCalc, RiseAndRunAreSymmetric) {
    EXPECT_EQ(ComputeBevelScale(2.5f, 300, 512, 3), ComputeBevelScale(300, 2.5f, 512, 3));
}

} // namespace
} // namespace kestrow
