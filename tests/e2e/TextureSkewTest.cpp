// The Texture Skew page in the real program: its two group switches, the enabled
// states they leave, and the three forms of its command.

#include "KestrowFixture.h"

namespace e2e {
namespace {

constexpr const char* kSkewLabel = "CMD: Texture Skew";
constexpr int kHorizontalControls[] = {ids::kTsHorzNegate, ids::kTsHorzRise, ids::kTsHorzRun,
                                       ids::kTsHorzScale};
constexpr int kVerticalControls[] = {ids::kTsVertNegate, ids::kTsVertRise, ids::kTsVertRun,
                                     ids::kTsVertScale};

class TextureSkewTest : public KestrowTest {
protected:
    void SetUp() override {
        KestrowTest::SetUp();
        ASSERT_TRUE(app.SelectTab(Page::TextureSkew));
    }

    // The group's switch and its four controls, as the user sees them.
    ::testing::AssertionResult GroupIs(int switchId, const int (&controls)[4], bool on) const {
        if (IsChecked(Item(Page::TextureSkew, switchId)) != on)
            return ::testing::AssertionFailure()
                   << "switch " << switchId << " is not " << (on ? "checked" : "clear");
        for (int id : controls)
            if ((IsWindowEnabled(Item(Page::TextureSkew, id)) != FALSE) != on)
                return ::testing::AssertionFailure()
                       << "control " << id << " is not " << (on ? "enabled" : "disabled");
        return ::testing::AssertionSuccess();
    }
    ::testing::AssertionResult Horizontal(bool on) const {
        return GroupIs(ids::kTsHorzSkew, kHorizontalControls, on);
    }
    ::testing::AssertionResult Vertical(bool on) const {
        return GroupIs(ids::kTsVertSkew, kVerticalControls, on);
    }
};

TEST_F(TextureSkewTest, DefaultsSkewVerticallyOnly) {
    EXPECT_TRUE(Horizontal(false));
    EXPECT_TRUE(Vertical(true));
    ASSERT_TRUE(Click(Page::TextureSkew, ids::kTsCmd));
    EXPECT_TRUE(IsPending("POLY TEXSCALE VV=1.000000 VU=-0.500000", kSkewLabel));
}

TEST_F(TextureSkewTest, TickingHorizontalThenUntickingVerticalChangesTheForm) {
    ASSERT_TRUE(Click(Page::TextureSkew, ids::kTsHorzSkew));
    EXPECT_TRUE(Horizontal(true));
    EXPECT_TRUE(Vertical(true));
    ASSERT_TRUE(Click(Page::TextureSkew, ids::kTsCmd));
    EXPECT_TRUE(IsPending("POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.0000 VU=-0.5000", kSkewLabel));

    ASSERT_TRUE(Click(Page::TextureSkew, ids::kTsVertSkew));
    EXPECT_TRUE(Horizontal(true));
    EXPECT_TRUE(Vertical(false));
    ASSERT_TRUE(Click(Page::TextureSkew, ids::kTsCmd));
    EXPECT_TRUE(IsPending("POLY TEXSCALE UU=1.000000 UV=-0.000000", kSkewLabel));
}

TEST_F(TextureSkewTest, UntickingTheOnlyGroupHandsOverToTheOther) {
    ASSERT_TRUE(Click(Page::TextureSkew, ids::kTsVertSkew));
    EXPECT_TRUE(Vertical(false));
    EXPECT_TRUE(Horizontal(true));

    ASSERT_TRUE(Click(Page::TextureSkew, ids::kTsHorzSkew));
    EXPECT_TRUE(Horizontal(false));
    EXPECT_TRUE(Vertical(true));
}

TEST_F(TextureSkewTest, BothGroupsWithNegateGivePositiveSkews) {
    const Page page = Page::TextureSkew;
    ASSERT_TRUE(Click(page, ids::kTsHorzSkew));
    ASSERT_TRUE(Type(page, ids::kTsHorzScale, "2"));
    ASSERT_TRUE(Type(page, ids::kTsHorzRise, "64"));
    ASSERT_TRUE(Type(page, ids::kTsHorzRun, "32"));
    ASSERT_TRUE(Type(page, ids::kTsVertScale, "0.5"));
    ASSERT_TRUE(Type(page, ids::kTsVertRise, "128"));
    ASSERT_TRUE(Type(page, ids::kTsVertRun, "256"));
    ASSERT_TRUE(Click(page, ids::kTsHorzNegate));
    ASSERT_TRUE(Click(page, ids::kTsVertNegate));

    ASSERT_TRUE(Click(page, ids::kTsCmd));

    EXPECT_TRUE(IsPending("POLY TEXSCALE UU=0.5000 VV=2.0000 UV=0.2500 VU=1.0000", kSkewLabel));
}

} // namespace
} // namespace e2e
