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

TEST_F(FloorScaleTest, DefaultsPublishHalfScales) {
    ASSERT_TRUE(Click(Page::FloorScale, ids::kFsCmd));
    EXPECT_TRUE(IsPending("POLY TEXSCALE UU=0.500000 VV=0.500000", "CMD: Floor Scale"));
}

TEST_F(FloorScaleTest, EachAxisPairsItsTextureSizeStretchAndLength) {
    const Page page = Page::FloorScale;
    ASSERT_TRUE(Type(page, ids::kFsTextureWidth, "256"));
    ASSERT_TRUE(Type(page, ids::kFsStretchX, "2"));
    ASSERT_TRUE(Type(page, ids::kFsLengthX, "384"));
    ASSERT_TRUE(Type(page, ids::kFsTextureHeight, "128"));
    ASSERT_TRUE(Type(page, ids::kFsStretchY, "1"));
    ASSERT_TRUE(Type(page, ids::kFsLengthY, "3.3"));

    ASSERT_TRUE(Click(page, ids::kFsCmd));

    EXPECT_TRUE(IsPending("POLY TEXSCALE UU=1.333333 VV=38.787879", "CMD: Floor Scale"));
}

TEST_F(FloorScaleTest, SwapExchangesTheLengthTextsUnevaluatedAndKeepsTheCommand) {
    const Page page = Page::FloorScale;
    ASSERT_TRUE(Click(page, ids::kFsCmd));
    ASSERT_TRUE(Type(page, ids::kFsLengthX, "2*128"));
    ASSERT_TRUE(Type(page, ids::kFsLengthY, "256"));
    ASSERT_TRUE(Type(page, ids::kFsStretchX, "1.50"));

    ASSERT_TRUE(Click(page, ids::kFsSwapLengths));

    EXPECT_EQ(TextOf(page, ids::kFsLengthX), "256");
    EXPECT_EQ(TextOf(page, ids::kFsLengthY), "2*128");
    EXPECT_EQ(TextOf(page, ids::kFsStretchX), "1.5");
    EXPECT_TRUE(IsPending("POLY TEXSCALE UU=0.500000 VV=0.500000", "CMD: Floor Scale"));
}

} // namespace
} // namespace e2e
