#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "CliRun.h"

namespace kestrow::testing {
namespace {

const std::string kExpressionRange = "Please enter an integer expression from 1 to 65535\n";

// A rejected field: the page's messages in order on stderr, no command, status 1.
class RejectedField : public ::testing::TestWithParam<CliCase> {};

TEST_P(RejectedField, ReportsLikeThePage) {
    const CliCase& c = GetParam();
    const CliResult r = RunCliCapturing(c.args);
    EXPECT_EQ(1, r.status);
    EXPECT_EQ("", r.out);
    EXPECT_EQ(c.err, r.err);
}

INSTANTIATE_TEST_SUITE_P(
    Pillar, RejectedField,
    ::testing::Values(
        // Checks run sides, other scale, texture count, width, radius; the first fails alone.
        CliCase{{"pillar", "--sides", "2", "--other-scale", "40", "--radius", "0"},
                1,
                "",
                "Please enter an integer between 3 and 256.\n"},
        CliCase{
            {"pillar", "--sides", "257"}, 1, "", "Please enter an integer between 3 and 256.\n"},
        CliCase{{"pillar", "--sides", "abc"}, 1, "", "Please enter an integer.\n"},
        CliCase{{"pillar", "--other-scale", "40", "--textures", "300"},
                1,
                "",
                "Please enter a number between 0.03125 and 32.\n"},
        CliCase{{"pillar", "--other-scale", "x"}, 1, "", "Please enter a number.\n"},
        CliCase{{"pillar", "--textures", "0.05", "--width", "3"},
                1,
                "",
                "Please enter a number between 0.0625 and 256.\n"},
        CliCase{{"pillar", "--width", "3", "--radius", "abc"},
                1,
                "",
                "Please enter an integer between 4 and 16384.\n"},
        CliCase{{"pillar", "--width", "2147483648"}, 1, "", "Please enter an integer.\n"},
        CliCase{{"pillar", "--radius", "65535.5"}, 1, "", kExpressionRange},
        CliCase{{"pillar", "--radius", "0.5"}, 1, "", kExpressionRange},
        CliCase{{"pillar", "--radius", "0"}, 1, "", kExpressionRange},
        CliCase{{"pillar", "--radius", "(2+3"}, 1, "", "Mismatched brackets.\n" + kExpressionRange},
        CliCase{{"pillar", "--radius", "-32"}, 1, "", kExpressionRange}));

INSTANTIATE_TEST_SUITE_P(
    Bevel, RejectedField,
    ::testing::Values(
        CliCase{{"bevel", "--textures", "129", "--rise", "0"},
                1,
                "",
                "Please enter a number between 0.0625 and 128.\n"},
        CliCase{{"bevel", "--other-scale", "0.03", "--width", "16385"},
                1,
                "",
                "Please enter a number between 0.03125 and 32.\n"},
        CliCase{
            {"bevel", "--width", "16385"}, 1, "", "Please enter an integer between 4 and 16384.\n"},
        CliCase{{"bevel", "--rise", "abc"},
                1,
                "",
                "No value recognized\nError in expression.\n" + kExpressionRange},
        // A failing rise leaves the run unevaluated.
        CliCase{{"bevel", "--rise", "0", "--run", "abc"}, 1, "", kExpressionRange},
        CliCase{{"bevel", "--run", "65536"}, 1, "", kExpressionRange},
        CliCase{{"bevel", "--run", "1/0"},
                1,
                "",
                "Division by zero isn't allowed\nError in expression.\n" + kExpressionRange}));

INSTANTIATE_TEST_SUITE_P(
    Floor, RejectedField,
    ::testing::Values(
        CliCase{{"floor", "--width", "3", "--height", "3"},
                1,
                "",
                "Please enter an integer between 4 and 16384.\n"},
        CliCase{{"floor", "--height", "16385", "--stretch-x", "0"},
                1,
                "",
                "Please enter an integer between 4 and 16384.\n"},
        CliCase{{"floor", "--stretch-x", "0.03", "--stretch-y", "300"},
                1,
                "",
                "Please enter a number between 0.03125 and 256.\n"},
        CliCase{{"floor", "--stretch-y", "257"},
                1,
                "",
                "Please enter a number between 0.03125 and 256.\n"},
        CliCase{{"floor", "--length-x", "0", "--length-y", "abc"}, 1, "", kExpressionRange},
        CliCase{{"floor", "--length-x", "65536"}, 1, "", kExpressionRange},
        CliCase{{"floor", "--length-y", ""},
                1,
                "",
                "No value recognized\nError in expression.\n" + kExpressionRange}));

INSTANTIATE_TEST_SUITE_P(
    Skew, RejectedField,
    ::testing::Values(CliCase{{"skew", "--h-scale", "0.03", "--v-scale", "0"},
                              1,
                              "",
                              "Please enter a number between 0.03125 and 256.\n"},
                      CliCase{{"skew", "--v-scale", "300"},
                              1,
                              "",
                              "Please enter a number between 0.03125 and 256.\n"},
                      // Tested even while the horizontal group is off.
                      CliCase{{"skew", "--h-rise", "0"}, 1, "", kExpressionRange},
                      CliCase{{"skew", "--v-run", "0"}, 1, "", kExpressionRange},
                      CliCase{{"skew", "--h-run", "-1"}, 1, "", kExpressionRange},
                      CliCase{
                          {"skew", "--v-rise", "65536", "--v-run", "0"}, 1, "", kExpressionRange},
                      CliCase{{"skew", "--h-rise", "abc"},
                              1,
                              "",
                              "No value recognized\nError in expression.\n" + kExpressionRange}));

TEST(SkewCommand, NeitherGroupOnExplainsAndFails) {
    const CliResult r = RunCliCapturing({"skew", "--no-vertical", "--h-rise", "0"});
    EXPECT_EQ(1, r.status);
    EXPECT_EQ("", r.out);
    // One line of explanation, and no field is checked.
    EXPECT_NE(std::string::npos, r.err.find("--horizontal"));
    EXPECT_EQ(std::string::npos, r.err.find("Please enter"));
    EXPECT_EQ(1, std::count(r.err.begin(), r.err.end(), '\n'));
}

// A text the evaluator read only in part: the page goes on with what it read,
// so the results and commands are printed, but stderr names the field after the
// evaluator's messages, and the status is 1.
class PartlyRead : public ::testing::TestWithParam<CliCase> {};

TEST_P(PartlyRead, PrintsTheResultsButFails) {
    const CliCase& c = GetParam();
    const CliResult r = RunCliCapturing(c.args);
    EXPECT_EQ(c.status, r.status);
    EXPECT_EQ(c.out, r.out);
    EXPECT_EQ(c.err, r.err);
}

const std::string kRiseOfTwo = "Scale: 0.500244081049441\nPOLY TEXSCALE UU=1.000000 VV=1.999024\n";

std::string ReadInPart(const std::string& option) {
    return "--" + option +
           " was read only in part: the results are for the part read, and nothing is sent.\n";
}

INSTANTIATE_TEST_SUITE_P(
    Cli, PartlyRead,
    ::testing::Values(
        CliCase{
            {"bevel", "--rise", "2+"}, 1, kRiseOfTwo, "No value recognized\n" + ReadInPart("rise")},
        CliCase{{"bevel", "--rise", "2x3"},
                1,
                kRiseOfTwo,
                "Unrecognized Operator\n" + ReadInPart("rise")},
        CliCase{{"bevel", "--rise", "1.2.3"},
                1,
                "Scale: 0.500087882908579\nPOLY TEXSCALE UU=1.000000 VV=1.999649\n",
                "Unrecognized Operator\n" + ReadInPart("rise")},
        CliCase{{"bevel", "--rise", "(2)(3)"},
                1,
                kRiseOfTwo,
                "Unrecognized Operator\n" + ReadInPart("rise")},
        CliCase{{"bevel", "--rise", "2+1/0"},
                1,
                kRiseOfTwo,
                "Division by zero isn't allowed\n" + ReadInPart("rise")},
        // A field from 0 takes a text it could not read at all as 0.
        CliCase{{"skew", "--horizontal", "--h-run", "abc"},
                1,
                "POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.0000 VU=-0.5000\n",
                "No value recognized\nError in expression.\n" + ReadInPart("h-run")}));

} // namespace
} // namespace kestrow::testing
