#include <gtest/gtest.h>

#include "CliRun.h"

namespace kestrow::testing {
namespace {

// The pages' worked examples, through the command line: exact stdout, nothing
// on stderr, status 0.
class PageExample : public ::testing::TestWithParam<CliCase> {};

TEST_P(PageExample, PrintsResultsAndCommands) {
    const CliCase& c = GetParam();
    const CliResult r = RunCliCapturing(c.args);
    EXPECT_EQ(c.status, r.status);
    EXPECT_EQ(c.out, r.out);
    EXPECT_EQ(c.err, r.err);
}

INSTANTIATE_TEST_SUITE_P(
    Pillar, PageExample,
    ::testing::Values(CliCase{{"pillar"},
                              0,
                              "Total Circumference: 212\n"
                              "Simple pan value: -27\n"
                              "Best scale: 1.65685424973267\n"
                              "Best pan value: -16\n"
                              "Total Fractional Error: -0\n"
                              "POLY TEXPAN U=-27\n"
                              "POLY TEXSCALE UU=0.603553 VV=1.000000\n"
                              "POLY TEXPAN U=-16\n",
                              ""},
                      CliCase{{"pillar", "--align-to-corner"},
                              0,
                              "Total Circumference: 196\n"
                              "Simple pan value: -24\n"
                              "Best scale: 1.53073372964985\n"
                              "Best pan value: -16\n"
                              "Total Fractional Error: -0\n"
                              "POLY TEXPAN U=-24\n"
                              "POLY TEXSCALE UU=0.653281 VV=1.000000\n"
                              "POLY TEXPAN U=-16\n",
                              ""},
                      CliCase{{"pillar", "--width", "256", "--sides", "6", "--radius", "100",
                               "--align-to-corner", "--no-negate", "--textures", "2",
                               "--other-scale", "1", "--axis", "V"},
                              0,
                              "Total Circumference: 600\n"
                              "Simple pan value: 100\n"
                              "Best scale: 1.17187500013877\n"
                              "Best pan value: 85\n"
                              "Total Fractional Error: -2.34375000027751\n"
                              "POLY TEXPAN V=100\n"
                              "POLY TEXSCALE UU=1.000000 VV=0.853333\n"
                              "POLY TEXPAN V=85\n",
                              ""},
                      CliCase{{"pillar", "--width", "128", "--sides", "3", "--radius", "65535",
                               "--align-to-side", "--negate", "--textures", "1", "--axis", "U"},
                              0,
                              "Total Circumference: 681060\n"
                              "Simple pan value: -227020\n"
                              "Best scale: 5320.77889265017\n"
                              "Best pan value: -43\n"
                              "Total Fractional Error: 5320.77889265015\n"
                              "POLY TEXPAN U=-227020\n"
                              "POLY TEXSCALE UU=0.000188 VV=1.000000\n"
                              "POLY TEXPAN U=-43\n",
                              ""},
                      CliCase{{"pillar", "--width=4", "--sides=256", "--radius=1",
                               "--align-to-corner", "--textures=0.0625"},
                              0,
                              "Total Circumference: 6\n"
                              "Simple pan value: 0\n"
                              "Best scale: 25.1321104124358\n"
                              "Best pan value: 0\n"
                              "Total Fractional Error: -6.28302760310895\n"
                              "POLY TEXPAN U=0\n"
                              "POLY TEXSCALE UU=0.039790 VV=1.000000\n"
                              "POLY TEXPAN U=0\n",
                              ""}));

INSTANTIATE_TEST_SUITE_P(
    Bevel, PageExample,
    ::testing::Values(
        CliCase{
            {"bevel"}, 0, "Scale: 0.707106781186548\nPOLY TEXSCALE UU=1.000000 VV=1.414214\n", ""},
        CliCase{{"bevel", "--width", "256", "--rise", "48", "--run", "64", "--textures", "2",
                 "--other-scale", "0.5", "--axis", "U"},
                0,
                "Scale: 0.15625\nPOLY TEXSCALE UU=6.400000 VV=2.000000\n",
                ""},
        CliCase{{"bevel", "--width=256", "--rise=48", "--run=64", "--textures=2",
                 "--other-scale=0.5", "--axis=V"},
                0,
                "Scale: 0.15625\nPOLY TEXSCALE UU=2.000000 VV=6.400000\n",
                ""},
        CliCase{{"bevel", "--width", "16384", "--rise", "1", "--run", "1", "--textures", "128",
                 "--axis", "U"},
                0,
                "Scale: 6.74349576174305e-07\nPOLY TEXSCALE UU=1482910.400379 VV=1.000000\n",
                ""},
        CliCase{{"bevel", "--width", "4", "--rise", "65535", "--run", "65535", "--textures",
                 "0.0625", "--axis", "u"},
                0,
                "Scale: 370721.943240483\nPOLY TEXSCALE UU=0.000003 VV=1.000000\n",
                ""},
        // The overview's road of one command: Rise 3*16 evaluates to 48.
        CliCase{{"bevel", "--rise", "3*16", "--width", "64"},
                0,
                "Scale: 1.25\nPOLY TEXSCALE UU=1.000000 VV=0.800000\n",
                ""},
        CliCase{{"bevel", "--rise", "16*4", "--run", "2.5", "--axis", "U"},
                0,
                "Scale: 0.500381324318327\nPOLY TEXSCALE UU=1.998476 VV=1.000000\n",
                ""}));

INSTANTIATE_TEST_SUITE_P(
    Floor, PageExample,
    ::testing::Values(CliCase{{"floor"}, 0, "POLY TEXSCALE UU=0.500000 VV=0.500000\n", ""},
                      CliCase{{"floor", "--width", "256", "--stretch-x", "2", "--length-x", "384",
                               "--height", "128", "--stretch-y", "1", "--length-y", "3.3"},
                              0,
                              "POLY TEXSCALE UU=1.333333 VV=38.787879\n",
                              ""},
                      CliCase{{"floor", "--width", "16384", "--stretch-x", "256", "--length-x", "1",
                               "--height", "4", "--stretch-y", "0.03125", "--length-y", "65535"},
                              0,
                              "POLY TEXSCALE UU=4194304.000000 VV=0.000002\n",
                              ""},
                      CliCase{{"floor", "--length-x", "2*128", "--length-y", "2.5"},
                              0,
                              "POLY TEXSCALE UU=0.500000 VV=51.200000\n",
                              ""}));

INSTANTIATE_TEST_SUITE_P(
    Skew, PageExample,
    ::testing::Values(CliCase{{"skew"}, 0, "POLY TEXSCALE VV=1.000000 VU=-0.500000\n", ""},
                      CliCase{{"skew", "--horizontal"},
                              0,
                              "POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.0000 VU=-0.5000\n",
                              ""},
                      CliCase{{"skew", "--horizontal", "--no-vertical"},
                              0,
                              "POLY TEXSCALE UU=1.000000 UV=-0.000000\n",
                              ""},
                      CliCase{{"skew", "--horizontal", "--vertical", "--h-negate", "--v-negate",
                               "--h-scale", "2", "--h-rise", "64", "--h-run", "32", "--v-scale",
                               "0.5", "--v-rise", "128", "--v-run", "256"},
                              0,
                              "POLY TEXSCALE UU=0.5000 VV=2.0000 UV=0.2500 VU=1.0000\n",
                              ""},
                      CliCase{{"skew", "--horizontal", "--no-vertical", "--no-h-negate",
                               "--no-v-negate", "--h-scale", "2", "--h-rise", "64", "--h-run", "32",
                               "--v-scale", "0.5", "--v-rise", "128", "--v-run", "256"},
                              0,
                              "POLY TEXSCALE UU=0.500000 UV=-0.250000\n",
                              ""},
                      CliCase{{"skew", "--v-scale", "0.03125", "--v-rise", "0"},
                              0,
                              "POLY TEXSCALE VV=32.000000 VU=-0.000000\n",
                              ""}));

} // namespace
} // namespace kestrow::testing
