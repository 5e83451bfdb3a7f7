// One refused input per page in the real program: the message boxes in order,
// the focus on the offending field, and the pending command cleared.

#include "KestrowFixture.h"

namespace e2e {
namespace {

struct FailingField {
    const char* name;
    Page page;
    int cmdButton;
    int field;
    const char* text;
    // A second field made to fail as well: it must not be looked at. 0 for none.
    int laterField;
    const char* laterText;
    std::vector<std::string> messages;
};

class FailingFieldTest : public KestrowTest, public ::testing::WithParamInterface<FailingField> {};

TEST_P(FailingFieldTest, ShowsItsMessagesFocusesTheFieldAndClearsTheCommand) {
    const FailingField& c = GetParam();
    if (c.page != Page::PillarWrap) {
        ASSERT_TRUE(app.SelectTab(c.page));
    }
    ASSERT_TRUE(Click(c.page, c.cmdButton));
    ASSERT_FALSE(app.Command().empty()) << "the defaults published nothing";
    ASSERT_TRUE(Type(c.page, c.field, c.text));
    if (c.laterField != 0) {
        ASSERT_TRUE(Type(c.page, c.laterField, c.laterText));
    }

    EXPECT_TRUE(ClickExpectingMessages(Item(c.page, c.cmdButton), c.messages));

    EXPECT_TRUE(NothingPending());
    EXPECT_EQ(app.Focus(), Item(c.page, c.field));
}

INSTANTIATE_TEST_SUITE_P(
    OnePerPage, FailingFieldTest,
    ::testing::Values(FailingField{"PillarRadiusZero",
                                   Page::PillarWrap,
                                   ids::kPwCmdBestScale,
                                   ids::kPwRadius,
                                   "0",
                                   0,
                                   "",
                                   {kExpressionRangeMessage}},
                      FailingField{"PillarTwoSidesBeforeRadius",
                                   Page::PillarWrap,
                                   ids::kPwCmdSimplePan,
                                   ids::kPwSides,
                                   "2",
                                   ids::kPwRadius,
                                   "0",
                                   {"Please enter an integer between 3 and 256."}},
                      FailingField{"BevelRunTooLong",
                                   Page::BevelScale,
                                   ids::kBsCmd,
                                   ids::kBsRun,
                                   "65536",
                                   0,
                                   "",
                                   {kExpressionRangeMessage}},
                      FailingField{"FloorLengthXZeroBeforeLengthY",
                                   Page::FloorScale,
                                   ids::kFsCmd,
                                   ids::kFsLengthX,
                                   "0",
                                   ids::kFsLengthY,
                                   "0",
                                   {kExpressionRangeMessage}},
                      FailingField{
                          "FloorLengthXLetters",
                          Page::FloorScale,
                          ids::kFsCmd,
                          ids::kFsLengthX,
                          "abc",
                          0,
                          "",
                          {"No value recognized", "Error in expression.", kExpressionRangeMessage}},
                      FailingField{"SkewVerticalRunZero",
                                   Page::TextureSkew,
                                   ids::kTsCmd,
                                   ids::kTsVertRun,
                                   "0",
                                   0,
                                   "",
                                   {kExpressionRangeMessage}}),
    CaseName());

} // namespace
} // namespace e2e
