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
                                   IDC_PW_CMD_BEST_SCALE,
                                   IDC_PW_RADIUS,
                                   "0",
                                   0,
                                   "",
                                   {kExpressionRangeMessage}},
                      FailingField{"PillarTwoSidesBeforeRadius",
                                   Page::PillarWrap,
                                   IDC_PW_CMD_SIMPLE_PAN,
                                   IDC_PW_SIDES,
                                   "2",
                                   IDC_PW_RADIUS,
                                   "0",
                                   {"Please enter an integer between 3 and 256."}},
                      FailingField{"BevelRunTooLong",
                                   Page::BevelScale,
                                   IDC_BS_CMD,
                                   IDC_BS_RUN,
                                   "65536",
                                   0,
                                   "",
                                   {kExpressionRangeMessage}},
                      FailingField{"FloorLengthXZeroBeforeLengthY",
                                   Page::FloorScale,
                                   IDC_FS_CMD,
                                   IDC_FS_LENGTH_X,
                                   "0",
                                   IDC_FS_LENGTH_Y,
                                   "0",
                                   {kExpressionRangeMessage}},
                      FailingField{
                          "FloorLengthXLetters",
                          Page::FloorScale,
                          IDC_FS_CMD,
                          IDC_FS_LENGTH_X,
                          "abc",
                          0,
                          "",
                          {"No value recognized", "Error in expression.", kExpressionRangeMessage}},
                      FailingField{"SkewVerticalRunZero",
                                   Page::TextureSkew,
                                   IDC_TS_CMD,
                                   IDC_TS_VERT_RUN,
                                   "0",
                                   0,
                                   "",
                                   {kExpressionRangeMessage}}),
    CaseName());

} // namespace
} // namespace e2e
