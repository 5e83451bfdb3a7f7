#include "pages/FloorScaleCalc.h"
#include "pages/CommandText.h"

#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "ExampleName.h"

namespace kestrow {
namespace {

struct FloorExample {
    const char* name;
    int texWidth;
    int texHeight;
    double stretchX;
    double stretchY;
    float lengthX;
    float lengthY;
    const char* command;
};

void PrintTo(const FloorExample& example, std::ostream* os) {
    *os << example.name;
}

const FloorExample kExamples[] = {
    {"Defaults", 128, 128, 1, 1, 256, 256, "POLY TEXSCALE UU=0.500000 VV=0.500000"},
    // 3.3f is the float the evaluator reads for "3.3".
    {"MixedAxes", 256, 128, 2, 1, 384, 3.3f, "POLY TEXSCALE UU=1.333333 VV=38.787879"},
    {"RangeExtremes", 16384, 4, 256, 0.03125, 1, 65535,
     "POLY TEXSCALE UU=4194304.000000 VV=0.000002"},
    {"FractionalLength", 128, 128, 1, 1, 2.5f, 256, "POLY TEXSCALE UU=51.200000 VV=0.500000"},
};

class FloorScaleExample : public ::testing::TestWithParam<FloorExample> {};

TEST_P(FloorScaleExample, Command) {
    const FloorExample& ex = GetParam();
    const FloorScaleResult r = ComputeFloorScale(ex.texWidth, ex.texHeight, ex.stretchX,
                                                 ex.stretchY, ex.lengthX, ex.lengthY);
    EXPECT_EQ(ex.command, TexScaleCommand(r.scaleU, r.scaleV));
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, FloorScaleExample, ::testing::ValuesIn(kExamples),
                         testing::ExampleName());

TEST(FloorScaleCalc, AxesNeverMix) {
    const FloorScaleResult r = ComputeFloorScale(64, 512, 3, 0.5, 96, 1024);
    EXPECT_EQ(2.0, r.scaleU);
    EXPECT_EQ(0.25, r.scaleV);
}

} // namespace
} // namespace kestrow
