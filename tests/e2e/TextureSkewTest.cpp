// The Texture Skew page in the real program: its two group switches as real
// check boxes, the enabled states they leave, and the forms of its command.

#include "KestrowFixture.h"

namespace e2e {
namespace {

constexpr const char* kSkewLabel = "CMD: Texture Skew";
constexpr int kHorizontalControls[] = {IDC_TS_HORZ_NEGATE, IDC_TS_HORZ_RISE, IDC_TS_HORZ_RUN,
                                       IDC_TS_HORZ_SCALE};
constexpr int kVerticalControls[] = {IDC_TS_VERT_NEGATE, IDC_TS_VERT_RISE, IDC_TS_VERT_RUN,
                                     IDC_TS_VERT_SCALE};

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
        return GroupIs(IDC_TS_HORZ_SKEW, kHorizontalControls, on);
    }
    ::testing::AssertionResult Vertical(bool on) const {
        return GroupIs(IDC_TS_VERT_SKEW, kVerticalControls, on);
    }
};

TEST_F(TextureSkewTest, TickingHorizontalThenUntickingVerticalChangesTheForm) {
    ASSERT_TRUE(Click(Page::TextureSkew, IDC_TS_HORZ_SKEW));
    EXPECT_TRUE(Horizontal(true));
    EXPECT_TRUE(Vertical(true));
    ASSERT_TRUE(Click(Page::TextureSkew, IDC_TS_CMD));
    EXPECT_TRUE(IsPending("POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.0000 VU=-0.5000", kSkewLabel));

    ASSERT_TRUE(Click(Page::TextureSkew, IDC_TS_VERT_SKEW));
    EXPECT_TRUE(Horizontal(true));
    EXPECT_TRUE(Vertical(false));
    ASSERT_TRUE(Click(Page::TextureSkew, IDC_TS_CMD));
    EXPECT_TRUE(IsPending("POLY TEXSCALE UU=1.000000 UV=-0.000000", kSkewLabel));
}

TEST_F(TextureSkewTest, UntickingTheOnlyGroupHandsOverToTheOther) {
    ASSERT_TRUE(Click(Page::TextureSkew, IDC_TS_VERT_SKEW));
    EXPECT_TRUE(Vertical(false));
    EXPECT_TRUE(Horizontal(true));

    ASSERT_TRUE(Click(Page::TextureSkew, IDC_TS_HORZ_SKEW));
    EXPECT_TRUE(Horizontal(false));
    EXPECT_TRUE(Vertical(true));
}

} // namespace
} // namespace e2e
