// The Pillar Wrap page in the real program: inputs typed into its controls, its
// three Cmd buttons, and the commands they publish.

#include "KestrowFixture.h"

namespace e2e {
namespace {

struct PillarCase {
    const char* name;
    const char* textureWidth;
    const char* sides;
    const char* radius;
    bool alignToSide;
    bool negatePan;
    const char* textureCount;
    bool applyToV;
    const char* circumference;
    const char* simplePan;
    const char* bestPan;
    const char* simplePanCommand;
    const char* bestScaleCommand;
    const char* bestPanCommand;
};

class PillarWrapTest : public KestrowTest, public ::testing::WithParamInterface<PillarCase> {};

TEST_P(PillarWrapTest, EachCmdButtonPublishesItsCommand) {
    const PillarCase& c = GetParam();
    const Page page = Page::PillarWrap;
    ASSERT_TRUE(Type(page, ids::kPwTextureWidth, c.textureWidth));
    ASSERT_TRUE(Type(page, ids::kPwSides, c.sides));
    ASSERT_TRUE(Type(page, ids::kPwRadius, c.radius));
    ASSERT_TRUE(Check(page, ids::kPwAlignToSide, c.alignToSide));
    ASSERT_TRUE(Check(page, ids::kPwNegatePan, c.negatePan));
    ASSERT_TRUE(Type(page, ids::kPwTextureCount, c.textureCount));
    ASSERT_TRUE(Check(page, ids::kPwApplyU, !c.applyToV));
    ASSERT_TRUE(Check(page, ids::kPwApplyV, c.applyToV));

    const struct {
        int button;
        const char* command;
        const char* label;
    } presses[] = {{ids::kPwCmdSimplePan, c.simplePanCommand, "CMD: Simple Pan"},
                   {ids::kPwCmdBestScale, c.bestScaleCommand, "CMD: Best Scale"},
                   {ids::kPwCmdBestPan, c.bestPanCommand, "CMD: Best Pan"}};
    for (const auto& press : presses) {
        ASSERT_TRUE(Click(page, press.button)) << press.label;
        EXPECT_TRUE(IsPending(press.command, press.label));
        EXPECT_EQ(TextOf(page, ids::kPwCircumference), c.circumference);
        EXPECT_EQ(TextOf(page, ids::kPwSimplePan), c.simplePan);
        EXPECT_EQ(TextOf(page, ids::kPwBestPan), c.bestPan);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PillarWrapTest,
    ::testing::Values(PillarCase{"Defaults", "128", "8", "32", true, true, "1", false, "212", "-27",
                                 "-16", "POLY TEXPAN U=-27",
                                 "POLY TEXSCALE UU=0.603553 VV=1.000000", "POLY TEXPAN U=-16"},
                      PillarCase{"CornerRadius", "128", "8", "32", false, true, "1", false, "196",
                                 "-24", "-16", "POLY TEXPAN U=-24",
                                 "POLY TEXSCALE UU=0.653281 VV=1.000000", "POLY TEXPAN U=-16"},
                      PillarCase{"HexagonOnV", "256", "6", "100", false, false, "2", true, "600",
                                 "100", "85", "POLY TEXPAN V=100",
                                 "POLY TEXSCALE UU=1.000000 VV=0.853333", "POLY TEXPAN V=85"},
                      PillarCase{"LargestRadius", "128", "3", "65535", true, true, "1", false,
                                 "681060", "-227020", "-43", "POLY TEXPAN U=-227020",
                                 "POLY TEXSCALE UU=0.000188 VV=1.000000", "POLY TEXPAN U=-43"}),
    CaseName());

} // namespace
} // namespace e2e
