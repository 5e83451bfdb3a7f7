// The Floor Scale page in the real program: its Cmd button and a Swap.

#include "KestrowFixture.h"

namespace e2e {
namespace {

class FloorScaleTest : public KestrowTest {
protected:
    void SetUp() override {
        KestrowTest::SetUp();
        ASSERT_TRUE(app.SelectTab(Page::FloorScale));
    }
};

TEST_F(FloorScaleTest, EachAxisPairsItsTextureSizeStretchAndLength) {
    const Page page = Page::FloorScale;
    ASSERT_TRUE(Type(page, IDC_FS_TEXWIDTH, "256"));
    ASSERT_TRUE(Type(page, IDC_FS_STRETCH_X, "2"));
    ASSERT_TRUE(Type(page, IDC_FS_LENGTH_X, "384"));
    ASSERT_TRUE(Type(page, IDC_FS_TEXHEIGHT, "128"));
    ASSERT_TRUE(Type(page, IDC_FS_STRETCH_Y, "1"));
    ASSERT_TRUE(Type(page, IDC_FS_LENGTH_Y, "3.3"));

    ASSERT_TRUE(Click(page, IDC_FS_CMD));

    EXPECT_TRUE(IsPending("POLY TEXSCALE UU=1.333333 VV=38.787879", "CMD: Floor Scale"));
}

TEST_F(FloorScaleTest, SwapExchangesTheLengthTextsUnevaluatedAndKeepsTheCommand) {
    const Page page = Page::FloorScale;
    ASSERT_TRUE(Click(page, IDC_FS_CMD));
    ASSERT_TRUE(Type(page, IDC_FS_LENGTH_X, "2*128"));
    ASSERT_TRUE(Type(page, IDC_FS_LENGTH_Y, "256"));
    ASSERT_TRUE(Type(page, IDC_FS_STRETCH_X, "1.50"));

    ASSERT_TRUE(Click(page, IDC_FS_SWAP_LENGTHS));

    EXPECT_EQ(TextOf(page, IDC_FS_LENGTH_X), "256");
    EXPECT_EQ(TextOf(page, IDC_FS_LENGTH_Y), "2*128");
    EXPECT_EQ(TextOf(page, IDC_FS_STRETCH_X), "1.5");
    EXPECT_TRUE(IsPending("POLY TEXSCALE UU=0.500000 VV=0.500000", "CMD: Floor Scale"));
}

} // namespace
} // namespace e2e
