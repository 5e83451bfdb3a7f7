// --json on every command and --candidates on pillar and floor: the names are
// pinned once per command, and every number reads back as exactly the value the
// page's calculation gives.

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CliRun.h"
#include "pages/BevelScaleCalc.h"
#include "pages/FloorScaleCalc.h"
#include "pages/PillarWrapCalc.h"
#include "text/NumberText.h"

namespace kestrow::testing {
namespace {

// The number after "key": in `json`, from `from` on; NaN for null.
double NumberAfter(const std::string& json, const std::string& key, std::size_t from = 0) {
    const std::string marker = "\"" + key + "\":";
    const std::size_t at = json.find(marker, from);
    if (at == std::string::npos) {
        ADD_FAILURE() << "no " << key << " in " << json;
        return 0;
    }
    return std::strtod(json.c_str() + at + marker.size(), nullptr);
}

// Where each report of an array starts.
std::vector<std::size_t> ReportStarts(const std::string& json) {
    std::vector<std::size_t> starts;
    for (std::size_t at = json.find("{\"inputs\""); at != std::string::npos;
         at = json.find("{\"inputs\"", at + 1))
        starts.push_back(at);
    return starts;
}

class JsonReport : public ::testing::TestWithParam<CliCase> {};

TEST_P(JsonReport, IsOneObjectOnStdout) {
    const CliCase& c = GetParam();
    const CliResult r = RunCliCapturing(c.args);
    EXPECT_EQ(c.status, r.status);
    EXPECT_EQ(c.out, r.out);
    EXPECT_EQ("", r.err);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, JsonReport,
    ::testing::Values(
        CliCase{{"pillar", "--json"},
                0,
                "{\"inputs\":{\"sides\":8,\"other-scale\":1,\"textures\":1,\"width\":128,"
                "\"radius\":32,\"align-to-side\":true,\"negate\":true,\"axis\":\"U\"},"
                "\"results\":{\"circumference\":212,\"simple-pan\":-27,\"best-scale\":"
                "1.6568542497326737,\"best-pan\":-16,\"fractional-error\":-0},"
                "\"commands\":[{\"name\":\"Simple Pan\",\"text\":\"POLY TEXPAN U=-27\"},"
                "{\"name\":\"Best Scale\",\"text\":\"POLY TEXSCALE UU=0.603553 VV=1.000000\"},"
                "{\"name\":\"Best Pan\",\"text\":\"POLY TEXPAN U=-16\"}],\"messages\":[]}\n",
                ""},
        CliCase{{"bevel", "--json", "--rise", "3*16", "--width", "64", "--run", "64.1"},
                0,
                "{\"inputs\":{\"textures\":1,\"other-scale\":1,\"width\":64,\"rise\":48,"
                "\"run\":64.1,\"axis\":\"V\"},\"results\":{\"scale\":1.2512503321270405},"
                "\"commands\":[{\"name\":\"Bevel Scale\",\"text\":\"POLY TEXSCALE UU=1.000000 "
                "VV=0.799201\"}],\"messages\":[]}\n",
                ""},
        CliCase{{"floor", "--json"},
                0,
                "{\"inputs\":{\"width\":128,\"height\":128,\"stretch-x\":1,\"stretch-y\":1,"
                "\"length-x\":256,\"length-y\":256},\"results\":{\"scale-u\":0.5,\"scale-v\":0.5},"
                "\"commands\":[{\"name\":\"Floor Scale\",\"text\":\"POLY TEXSCALE UU=0.500000 "
                "VV=0.500000\"}],\"messages\":[]}\n",
                ""},
        CliCase{{"skew", "--json"},
                0,
                "{\"inputs\":{\"horizontal\":false,\"vertical\":true,\"h-negate\":false,"
                "\"v-negate\":false,\"h-scale\":1,\"v-scale\":1,\"h-rise\":256,\"h-run\":0,"
                "\"v-rise\":256,\"v-run\":512},\"results\":{\"uu\":null,\"uv\":null,\"vv\":1,"
                "\"vu\":-0.5},\"commands\":[{\"name\":\"Texture Skew\",\"text\":\"POLY TEXSCALE "
                "VV=1.000000 VU=-0.500000\"}],\"messages\":[]}\n",
                ""},
        // Messages go in the object; the value is there all the same.
        CliCase{{"eval", "--json", "2+1/0"},
                1,
                "{\"inputs\":{\"expression\":\"2+1/0\"},\"results\":{\"value\":2},\"commands\":[],"
                "\"messages\":[\"Division by zero isn't allowed\"]}\n",
                ""},
        // The evaluator's own 0.9 is the float just above 0.9f.
        CliCase{{"eval", "0.9", "--json"},
                0,
                "{\"inputs\":{\"expression\":\"0.9\"},\"results\":{\"value\":0.90000004},"
                "\"commands\":[],\"messages\":[]}\n",
                ""},
        // A field read only in part is named, and fails the run.
        CliCase{
            {"bevel", "--json", "--rise", "2+"},
            1,
            "{\"inputs\":{\"textures\":1,\"other-scale\":1,\"width\":128,\"rise\":2,"
            "\"run\":64,\"axis\":\"V\"},\"partly-read\":[\"rise\"],\"results\":{\"scale\":"
            "0.5002440810494413},\"commands\":[{\"name\":\"Bevel Scale\",\"text\":\"POLY "
            "TEXSCALE UU=1.000000 VV=1.999024\"}],\"messages\":[\"No value recognized\",\"--rise "
            "was read only in part: the results are for the part read, and nothing is sent.\"]}\n",
            ""},
        // A rejected field: it and the fields after it are null; nothing computed.
        CliCase{{"pillar", "--json", "--textures", "300", "--width", "3"},
                1,
                "{\"inputs\":{\"sides\":8,\"other-scale\":1,\"textures\":null,\"width\":null,"
                "\"radius\":null,\"align-to-side\":true,\"negate\":true,\"axis\":\"U\"},"
                "\"results\":{},\"commands\":[],\"messages\":[\"Please enter a number between "
                "0.0625 and 256.\"]}\n",
                ""},
        CliCase{{"skew", "--json", "--no-vertical"},
                1,
                "{\"inputs\":{\"horizontal\":false,\"vertical\":false,\"h-negate\":false,"
                "\"v-negate\":false},\"results\":{},\"commands\":[],\"messages\":[\"kestrow-cli: "
                "skew: both groups are off, so there is no command (turn on --horizontal or "
                "--vertical)\"]}\n",
                ""}));

// Usage errors stay text on stderr, with or without --json.
TEST(JsonReport, UsageErrorsStayOnStderr) {
    const CliResult r = RunCliCapturing({"floor", "--json", "--axis", "U"});
    EXPECT_EQ(2, r.status);
    EXPECT_EQ("", r.out);
    EXPECT_EQ(0u, r.err.find("kestrow-cli: unknown option '--axis'"));
}

TEST(JsonReport, NumbersAreThePagesExactly) {
    struct Inputs {
        float radius;
        int sides;
        bool toSide;
        bool negate;
        int width;
        double textures;
    };
    for (const Inputs& in :
         {Inputs{100, 6, false, false, 256, 2}, Inputs{65535, 3, true, true, 128, 1},
          Inputs{1, 256, false, true, 4, 0.0625}, Inputs{17.5f, 7, true, false, 1000, 3.7}}) {
        const CliResult r = RunCliCapturing(
            {"pillar", "--json", "--radius", FormatGeneral(in.radius, 9), "--sides",
             std::to_string(in.sides), in.toSide ? "--align-to-side" : "--align-to-corner",
             in.negate ? "--negate" : "--no-negate", "--width", std::to_string(in.width),
             "--textures", FormatGeneral(in.textures, 17)});
        ASSERT_EQ(0, r.status) << r.out;
        const PillarWrapResult expected =
            ComputePillarWrap(in.radius, in.sides, in.toSide, in.negate, in.width, in.textures);
        EXPECT_EQ(expected.circumference, NumberAfter(r.out, "circumference"));
        EXPECT_EQ(expected.simplePan, NumberAfter(r.out, "simple-pan"));
        EXPECT_EQ(expected.bestScale, NumberAfter(r.out, "best-scale"));
        EXPECT_EQ(expected.bestPan, NumberAfter(r.out, "best-pan"));
        EXPECT_EQ(expected.fractionalError, NumberAfter(r.out, "fractional-error"));
        EXPECT_EQ(static_cast<double>(in.radius), NumberAfter(r.out, "radius"));
    }
    // A run of 64.1 evaluates to the float nearest 64.1, which reads back as 64.1.
    const CliResult bevel =
        RunCliCapturing({"bevel", "--json", "--rise", "3*16", "--width", "64", "--run", "64.1"});
    EXPECT_EQ(ComputeBevelScale(48, 64.1f, 64, 1), NumberAfter(bevel.out, "scale"));
}

// Each row is the page's run for that count, exactly; the table shows the
// numbers as the page's result fields do.
TEST(Candidates, PillarRowsAreThePagesRunsForEachCount) {
    const std::vector<std::string> inputs = {
        "--radius", "100", "--sides", "6", "--align-to-corner", "--width", "256", "--no-negate"};
    std::vector<std::string> json = {"pillar", "--candidates", "12", "--json"};
    std::vector<std::string> text = {"pillar", "--candidates", "12"};
    json.insert(json.end(), inputs.begin(), inputs.end());
    text.insert(text.end(), inputs.begin(), inputs.end());
    const CliResult rows = RunCliCapturing(json);
    const CliResult table = RunCliCapturing(text);
    ASSERT_EQ(0, rows.status);
    ASSERT_EQ(0, table.status);
    EXPECT_EQ("", table.err);
    EXPECT_EQ('[', rows.out.front());
    EXPECT_EQ("]\n", rows.out.substr(rows.out.size() - 2));

    const std::vector<std::size_t> starts = ReportStarts(rows.out);
    ASSERT_EQ(12u, starts.size());
    std::string expectedTable =
        "Textures         Best scale  Best pan value  Total Fractional Error\n";
    for (int n = 1; n <= 12; ++n) {
        const std::size_t at = starts[n - 1];
        const PillarWrapResult expected = ComputePillarWrap(100, 6, false, false, 256, n);
        EXPECT_EQ(n, NumberAfter(rows.out, "textures", at));
        EXPECT_EQ(expected.bestScale, NumberAfter(rows.out, "best-scale", at)) << n;
        EXPECT_EQ(expected.bestPan, NumberAfter(rows.out, "best-pan", at)) << n;
        EXPECT_EQ(expected.fractionalError, NumberAfter(rows.out, "fractional-error", at)) << n;
        EXPECT_EQ(expected.circumference, NumberAfter(rows.out, "circumference", at)) << n;
        const std::string row = RunCliCapturing({"pillar", "--json", "--radius", "100", "--sides",
                                                 "6", "--align-to-corner", "--width", "256",
                                                 "--no-negate", "--textures", std::to_string(n)})
                                    .out;
        EXPECT_EQ(row.substr(0, row.size() - 1), rows.out.substr(at, row.size() - 1)) << n;
    }
    EXPECT_EQ(0u, table.out.find(expectedTable));
    EXPECT_EQ(13, std::count(table.out.begin(), table.out.end(), '\n'));
    for (int n = 1; n <= 12; ++n) {
        const PillarWrapResult expected = ComputePillarWrap(100, 6, false, false, 256, n);
        const std::string cells = FormatGeneral(expected.bestScale, 15) + "  ";
        EXPECT_NE(std::string::npos, table.out.find(cells)) << cells;
    }
}

TEST(Candidates, TablesLineUpTheirColumns) {
    const CliResult pillar = RunCliCapturing({"pillar", "--candidates", "3"});
    EXPECT_EQ("Textures         Best scale  Best pan value  Total Fractional Error\n"
              "       1   1.65685424973267             -16                      -0\n"
              "       2  0.828427124866337             -32                      -0\n"
              "       3  0.552284749910891             -48                      -0\n",
              pillar.out);
    const CliResult floor = RunCliCapturing({"floor", "--candidates", "10", "--width", "256",
                                             "--length-x", "384", "--length-y", "100"});
    EXPECT_EQ("Textures        Scale U (X)  Scale V (Y)\n"
              "       1  0.666666666666667         1.28\n"
              "       2   1.33333333333333         2.56\n"
              "       3                  2         3.84\n"
              "       4   2.66666666666667         5.12\n"
              "       5   3.33333333333333          6.4\n"
              "       6                  4         7.68\n"
              "       7   4.66666666666667         8.96\n"
              "       8   5.33333333333333        10.24\n"
              "       9                  6        11.52\n"
              "      10   6.66666666666667         12.8\n",
              floor.out);
}

TEST(Candidates, FloorRowsAreThePagesRunsPerAxis) {
    const CliResult rows =
        RunCliCapturing({"floor", "--candidates", "256", "--json", "--width", "300", "--height",
                         "77", "--length-x", "1000/3", "--length-y", "@2"});
    ASSERT_EQ(0, rows.status);
    const std::vector<std::size_t> starts = ReportStarts(rows.out);
    ASSERT_EQ(256u, starts.size());
    const float lengthX = 1000.0f / 3.0f;
    const float lengthY = std::sqrt(2.0f);
    for (int n = 1; n <= 256; ++n) {
        const FloorScaleResult expected = ComputeFloorScale(300, 77, n, n, lengthX, lengthY);
        EXPECT_EQ(n, NumberAfter(rows.out, "stretch-x", starts[n - 1]));
        EXPECT_EQ(n, NumberAfter(rows.out, "stretch-y", starts[n - 1]));
        EXPECT_EQ(expected.scaleU, NumberAfter(rows.out, "scale-u", starts[n - 1])) << n;
        EXPECT_EQ(expected.scaleV, NumberAfter(rows.out, "scale-v", starts[n - 1])) << n;
    }
}

// The largest count is checked as the count field checks a number; a rejected
// run prints no table, and with --json stands alone in the array.
TEST(Candidates, CountsBeyondTheFieldAreRejectedAsThePageRejectsThem) {
    const CliResult pillar = RunCliCapturing({"pillar", "--candidates", "257"});
    EXPECT_EQ(1, pillar.status);
    EXPECT_EQ("", pillar.out);
    EXPECT_EQ("Please enter a number between 0.0625 and 256.\n", pillar.err);

    const CliResult floor = RunCliCapturing({"floor", "--candidates", "300", "--json"});
    EXPECT_EQ(1, floor.status);
    EXPECT_EQ("[{\"inputs\":{\"width\":128,\"height\":128,\"stretch-x\":null,\"stretch-y\":null,"
              "\"length-x\":null,\"length-y\":null},\"results\":{},\"commands\":[],\"messages\":["
              "\"Please enter a number between 0.03125 and 256.\"]}]\n",
              floor.out);

    // Other fields keep their checks and their order.
    const CliResult sides = RunCliCapturing({"pillar", "--candidates", "4", "--sides", "2"});
    EXPECT_EQ(1, sides.status);
    EXPECT_EQ("Please enter an integer between 3 and 256.\n", sides.err);
}

TEST(Candidates, UsageErrors) {
    struct Case {
        std::vector<std::string> args;
        std::string error;
    };
    for (const Case& c : {
             Case{{"pillar", "--candidates", "0"}, "--candidates takes a whole number from 1"},
             Case{{"floor", "--candidates", "2.5"}, "--candidates takes a whole number from 1"},
             Case{{"floor", "--candidates=x"}, "--candidates takes a whole number from 1"},
             Case{{"pillar", "--candidates", "4", "--textures", "2"},
                  "--candidates goes without --textures and --apply"},
             Case{{"floor", "--stretch-y", "2", "--candidates", "4"},
                  "--candidates goes without --stretch-x, --stretch-y and --apply"},
         }) {
        const CliResult r = RunCliCapturing(c.args);
        EXPECT_EQ(2, r.status) << c.error;
        EXPECT_EQ("", r.out);
        EXPECT_EQ(0u, r.err.find("kestrow-cli: " + c.error + "\n")) << r.err;
    }
}

} // namespace
} // namespace kestrow::testing
