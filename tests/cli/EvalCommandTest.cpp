#include <gtest/gtest.h>

#include "CliRun.h"

namespace kestrow::testing {
namespace {

class EvalCommand : public ::testing::TestWithParam<CliCase> {};

TEST_P(EvalCommand, PrintsValueAndMessages) {
    const CliCase& c = GetParam();
    const CliResult r = RunCliCapturing(c.args);
    EXPECT_EQ(c.status, r.status);
    EXPECT_EQ(c.out, r.out);
    EXPECT_EQ(c.err, r.err);
}

const std::string kHuge = "99999999999*99999999999*99999999999*99999999999";

INSTANTIATE_TEST_SUITE_P(
    Cli, EvalCommand,
    ::testing::Values(
        CliCase{{"eval", "3.14"}, 0, "3.13999987\n", ""}, CliCase{{"eval", "2+3*4"}, 0, "14\n", ""},
        CliCase{{"eval", "0.9"}, 0, "0.900000036\n", ""},
        // Arguments that begin with '-' are expressions, not options.
        CliCase{{"eval", "--3"}, 0, "3\n", ""}, CliCase{{"eval", "-(2+3)*4"}, 0, "-20\n", ""},
        CliCase{{"eval", "--", "--help"}, 1, "0\n", "No value recognized\nError in expression.\n"},
        CliCase{
            {"eval", "1/0"}, 1, "0\n", "Division by zero isn't allowed\nError in expression.\n"},
        CliCase{{"eval", "2+1/0"}, 1, "2\n", "Division by zero isn't allowed\n"},
        CliCase{{"eval", "1.2.3"}, 1, "1.20000005\n", "Unrecognized Operator\n"},
        CliCase{{"eval", ""}, 1, "0\n", "No value recognized\nError in expression.\n"},
        CliCase{{"eval", "(2+3"}, 1, "0\n", "Mismatched brackets.\n"},
        // Beyond the float range: infinities and not-a-number, without a message.
        CliCase{{"eval", kHuge}, 0, "inf\n", ""},
        CliCase{{"eval", "-(" + kHuge + ")"}, 0, "-inf\n", ""},
        CliCase{{"eval", kHuge + "-" + kHuge}, 0, "nan\n", ""}));

} // namespace
} // namespace kestrow::testing
