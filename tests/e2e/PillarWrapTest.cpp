// The Pillar Wrap page in the real program: inputs typed into its edits, its
// check boxes and radio buttons set, its three Cmd buttons, and the commands and
// results they leave in the real controls. The worked examples' arithmetic is
// the in-memory tests' to cover.

#include "KestrowFixture.h"

namespace e2e {
namespace {

using PillarWrapTest = KestrowTest;

TEST_F(PillarWrapTest, EachCmdButtonPublishesItsCommand) {
    const Page page = Page::PillarWrap;
    ASSERT_TRUE(Type(page, IDC_PW_TEXWIDTH, "256"));
    ASSERT_TRUE(Type(page, IDC_PW_SIDES, "6"));
    ASSERT_TRUE(Type(page, IDC_PW_RADIUS, "100"));
    ASSERT_TRUE(Check(page, IDC_PW_ALIGN_TO_SIDE, false));
    ASSERT_TRUE(Check(page, IDC_PW_NEGATE_PAN, false));
    ASSERT_TRUE(Type(page, IDC_PW_TEXCOUNT, "2"));
    ASSERT_TRUE(Check(page, IDC_PW_APPLY_U, false));
    ASSERT_TRUE(Check(page, IDC_PW_APPLY_V, true));

    const struct {
        int button;
        const char* command;
        const char* label;
    } presses[] = {
        {IDC_PW_CMD_SIMPLE_PAN, "POLY TEXPAN V=100", "CMD: Simple Pan"},
        {IDC_PW_CMD_BEST_SCALE, "POLY TEXSCALE UU=1.000000 VV=0.853333", "CMD: Best Scale"},
        {IDC_PW_CMD_BEST_PAN, "POLY TEXPAN V=85", "CMD: Best Pan"}};
    for (const auto& press : presses) {
        ASSERT_TRUE(Click(page, press.button)) << press.label;
        EXPECT_TRUE(IsPending(press.command, press.label));
        EXPECT_EQ(TextOf(page, IDC_PW_CIRCUMFERENCE), "600");
        EXPECT_EQ(TextOf(page, IDC_PW_SIMPLE_PAN), "100");
        EXPECT_EQ(TextOf(page, IDC_PW_BEST_PAN), "85");
    }
}

} // namespace
} // namespace e2e
