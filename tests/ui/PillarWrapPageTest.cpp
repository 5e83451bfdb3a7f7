#include "UiTest.h"

#include "pages/PillarWrapPage.h"
#include "res/resource.h"

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr const char* kRangeMessage = "Please enter an integer expression from 1 to 65535";
constexpr int kCmdButtons[] = {IDC_PW_CMD_SIMPLE_PAN, IDC_PW_CMD_BEST_SCALE, IDC_PW_CMD_BEST_PAN};
constexpr int kResultFields[] = {IDC_PW_CIRCUMFERENCE, IDC_PW_SIMPLE_PAN, IDC_PW_BEST_SCALE,
                                 IDC_PW_BEST_PAN, IDC_PW_FRACTIONAL_ERROR};

struct PillarInputs {
    std::string width = "128", sides = "8", radius = "32";
    bool alignToSide = true, negatePan = true;
    std::string textures = "1", otherScale = "1";
    char axis = 'U';
};

// The five result fields in the page's order: circumference, simple pan, best
// scale, best pan, fractional error.
using Results = std::vector<std::string>;

class PillarWrapPageTest : public UiTest {
protected:
    void SetChecked(CDialog& page, int id, bool checked) {
        if (driver.IsChecked(page, id) != checked)
            driver.Click(page, id);
    }
    void Enter(CPillarWrapPage& page, const PillarInputs& in) {
        driver.Type(page, IDC_PW_TEXWIDTH, in.width);
        driver.Type(page, IDC_PW_SIDES, in.sides);
        driver.Type(page, IDC_PW_RADIUS, in.radius);
        SetChecked(page, IDC_PW_ALIGN_TO_SIDE, in.alignToSide);
        SetChecked(page, IDC_PW_NEGATE_PAN, in.negatePan);
        driver.Type(page, IDC_PW_TEXCOUNT, in.textures);
        driver.Type(page, IDC_PW_OTHER_SCALE, in.otherScale);
        driver.Click(page, in.axis == 'U' ? IDC_PW_APPLY_U : IDC_PW_APPLY_V);
    }
    Results Shown(const CPillarWrapPage& page) {
        Results shown;
        for (int id : kResultFields)
            shown.push_back(driver.Text(page, id));
        return shown;
    }
};

TEST_F(PillarWrapPageTest, WorkedExamplesShowTheirResultsAndPublishTheirCommands) {
    struct Case {
        PillarInputs in;
        Results results;
        std::string simplePan, bestScale, bestPan;
    };
    PillarInputs alignOff;
    alignOff.alignToSide = false;
    PillarInputs otherScaleU;
    otherScaleU.otherScale = "0.5";
    PillarInputs otherScaleV = otherScaleU;
    otherScaleV.axis = 'V';
    const std::vector<Case> cases = {
        // With the defaults the fit is exact: the error is a negative zero.
        {{},
         {"212", "-27", "1.65685424973267", "-16", "-0"},
         "POLY TEXPAN U=-27",
         "POLY TEXSCALE UU=0.603553 VV=1.000000",
         "POLY TEXPAN U=-16"},
        {alignOff,
         {"196", "-24", "1.53073372964985", "-16", "-0"},
         "POLY TEXPAN U=-24",
         "POLY TEXSCALE UU=0.653281 VV=1.000000",
         "POLY TEXPAN U=-16"},
        // The short pi constant shows in the tenth digit: 1.171875 with full pi.
        {{"256", "6", "100", false, false, "2", "1", 'V'},
         {"600", "100", "1.17187500013877", "85", "-2.34375000027751"},
         "POLY TEXPAN V=100",
         "POLY TEXSCALE UU=1.000000 VV=0.853333",
         "POLY TEXPAN V=85"},
        {{"128", "3", "65535", true, true, "1", "1", 'U'},
         {"681060", "-227020", "5320.77889265017", "-43", "5320.77889265015"},
         "POLY TEXPAN U=-227020",
         "POLY TEXSCALE UU=0.000188 VV=1.000000",
         "POLY TEXPAN U=-43"},
        // Texels per side round to 0: the error is minus the whole circumference.
        {{"4", "256", "1", false, true, "0.0625", "1", 'U'},
         {"6", "0", "25.1321104124358", "0", "-6.28302760310895"},
         "POLY TEXPAN U=0",
         "POLY TEXSCALE UU=0.039790 VV=1.000000",
         "POLY TEXPAN U=0"},
        // A fractional radius is used as it is, neither truncated nor rounded.
        {{"128", "8", "31.5", true, true, "1", "1", 'U'},
         {"209", "-26", "1.6309659020806", "-16", "-0"},
         "POLY TEXPAN U=-26",
         "POLY TEXSCALE UU=0.613134 VV=1.000000",
         "POLY TEXPAN U=-16"},
        {otherScaleU,
         {"212", "-27", "1.65685424973267", "-16", "-0"},
         "POLY TEXPAN U=-27",
         "POLY TEXSCALE UU=0.603553 VV=2.000000",
         "POLY TEXPAN U=-16"},
        {otherScaleV,
         {"212", "-27", "1.65685424973267", "-16", "-0"},
         "POLY TEXPAN V=-27",
         "POLY TEXSCALE UU=2.000000 VV=0.603553",
         "POLY TEXPAN V=-16"},
    };
    RunMainWindow([&](CMainDlg& dlg) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.bestScale);
            driver.ClearMessageBoxes();
            CPillarWrapPage& page = *dlg.PillarWrapPage();
            Enter(page, c.in);
            const struct {
                int button;
                std::string command, label;
            } presses[] = {{IDC_PW_CMD_SIMPLE_PAN, c.simplePan, "CMD: Simple Pan"},
                           {IDC_PW_CMD_BEST_SCALE, c.bestScale, "CMD: Best Scale"},
                           {IDC_PW_CMD_BEST_PAN, c.bestPan, "CMD: Best Pan"}};
            for (const auto& press : presses) {
                driver.Click(page, press.button);
                EXPECT_EQ(Shown(page), c.results);
                EXPECT_EQ(driver.Text(dlg, IDC_MAIN_COMMAND), press.command);
                EXPECT_EQ(driver.Text(dlg, IDC_MAIN_CMD_LABEL), press.label);
                EXPECT_TRUE(driver.IsEnabled(dlg, IDC_MAIN_APPLY));
                EXPECT_TRUE(driver.IsEnabled(dlg, IDC_MAIN_REMOTE));
            }
            EXPECT_TRUE(driver.MessageBoxes().empty());
        }
    });
}

TEST_F(PillarWrapPageTest, StartsVisibleWithItsDefaults) {
    RunMainWindow([&](CMainDlg& dlg) {
        const CPillarWrapPage& page = *dlg.PillarWrapPage();
        EXPECT_TRUE(driver.IsDialogVisible(page));
        EXPECT_EQ(driver.Text(page, IDC_PW_TEXWIDTH), "128");
        EXPECT_EQ(driver.Text(page, IDC_PW_SIDES), "8");
        EXPECT_EQ(driver.Text(page, IDC_PW_RADIUS), "32");
        EXPECT_EQ(driver.Text(page, IDC_PW_TEXCOUNT), "1");
        EXPECT_EQ(driver.Text(page, IDC_PW_OTHER_SCALE), "1");
        EXPECT_TRUE(driver.IsChecked(page, IDC_PW_ALIGN_TO_SIDE));
        EXPECT_TRUE(driver.IsChecked(page, IDC_PW_NEGATE_PAN));
        EXPECT_TRUE(driver.IsChecked(page, IDC_PW_APPLY_U));
        EXPECT_FALSE(driver.IsChecked(page, IDC_PW_APPLY_V));
        EXPECT_EQ(Shown(page), (Results{"0", "0", "0", "0", "0"}));
    });
}

// Checks run in the order sides, other scale, texture count, width, radius, and
// stop at the first failure, whichever button was pressed: the messages, the
// focus on that field, the results kept and the pending command cleared.
TEST_F(PillarWrapPageTest, EveryButtonChecksEveryFieldInOrder) {
    struct Case {
        PillarInputs in;
        std::vector<std::string> messages;
        int focus;
    };
    const std::vector<Case> cases = {
        {{"3", "2", "0", true, true, "0.05", "40", 'U'},
         {"Please enter an integer between 3 and 256."},
         IDC_PW_SIDES},
        {{"3", "257", "0", true, true, "0.05", "40", 'U'},
         {"Please enter an integer between 3 and 256."},
         IDC_PW_SIDES},
        {{"3", "8.5", "0", true, true, "0.05", "40", 'U'},
         {"Please enter an integer."},
         IDC_PW_SIDES},
        {{"3", "8", "0", true, true, "0.05", "40", 'U'},
         {"Please enter a number between 0.03125 and 32."},
         IDC_PW_OTHER_SCALE},
        {{"3", "8", "0", true, true, "0.05", "0.03", 'U'},
         {"Please enter a number between 0.03125 and 32."},
         IDC_PW_OTHER_SCALE},
        {{"3", "8", "0", true, true, "0.05", "1", 'U'},
         {"Please enter a number between 0.0625 and 256."},
         IDC_PW_TEXCOUNT},
        {{"3", "8", "0", true, true, "300", "1", 'U'},
         {"Please enter a number between 0.0625 and 256."},
         IDC_PW_TEXCOUNT},
        {{"3", "8", "0", true, true, "1", "1", 'U'},
         {"Please enter an integer between 4 and 16384."},
         IDC_PW_TEXWIDTH},
        {{"16385", "8", "0", true, true, "1", "1", 'U'},
         {"Please enter an integer between 4 and 16384."},
         IDC_PW_TEXWIDTH},
        {{"128", "8", "0", true, true, "1", "1", 'U'}, {kRangeMessage}, IDC_PW_RADIUS},
        {{"128", "8", "0.5", true, true, "1", "1", 'U'}, {kRangeMessage}, IDC_PW_RADIUS},
        {{"128", "8", "65535.5", true, true, "1", "1", 'U'}, {kRangeMessage}, IDC_PW_RADIUS},
        {{"128", "8", "abc", true, true, "1", "1", 'U'},
         {"No value recognized", "Error in expression.", kRangeMessage},
         IDC_PW_RADIUS},
    };
    const Results defaultsShown = {"212", "-27", "1.65685424973267", "-16", "-0"};
    RunMainWindow([&](CMainDlg& dlg) {
        CPillarWrapPage& page = *dlg.PillarWrapPage();
        for (const Case& c : cases) {
            for (int button : kCmdButtons) {
                SCOPED_TRACE(c.messages.back() + " button " + std::to_string(button));
                Enter(page, {});
                driver.Click(page, button);
                ASSERT_EQ(Shown(page), defaultsShown);
                driver.ClearMessageBoxes();

                Enter(page, c.in);
                driver.Click(page, button);
                EXPECT_EQ(driver.MessageTexts(), c.messages);
                EXPECT_EQ(driver.FocusDialog(), &page);
                EXPECT_EQ(driver.FocusId(), c.focus);
                EXPECT_TRUE(driver.IsTextSelected(page, c.focus));
                EXPECT_EQ(Shown(page), defaultsShown);
                ExpectNothingPending(dlg);
            }
        }
    });
}

TEST_F(PillarWrapPageTest, AnyButtonRefreshesAllFiveResults) {
    RunMainWindow([&](CMainDlg& dlg) {
        CPillarWrapPage& page = *dlg.PillarWrapPage();
        driver.Click(page, IDC_PW_CMD_BEST_PAN);
        ASSERT_EQ(Shown(page), (Results{"212", "-27", "1.65685424973267", "-16", "-0"}));

        // Nothing changes until a Cmd button is pressed.
        Enter(page, {"256", "6", "100", false, false, "2", "1", 'V'});
        EXPECT_EQ(Shown(page), (Results{"212", "-27", "1.65685424973267", "-16", "-0"}));

        driver.Click(page, IDC_PW_CMD_SIMPLE_PAN);
        EXPECT_EQ(Shown(page),
                  (Results{"600", "100", "1.17187500013877", "85", "-2.34375000027751"}));
    });
}

TEST_F(PillarWrapPageTest, InputsAreWrittenBackInTheNumberFormatAndKeptAcrossTabs) {
    RunMainWindow([&](CMainDlg& dlg) {
        CPillarWrapPage& page = *dlg.PillarWrapPage();
        Enter(page, {" 0128", "+8", "2*16", true, true, "1.0", "1.50", 'U'});
        driver.Click(page, IDC_PW_CMD_BEST_SCALE);
        EXPECT_EQ(driver.Text(page, IDC_PW_TEXWIDTH), "128");
        EXPECT_EQ(driver.Text(page, IDC_PW_SIDES), "8");
        EXPECT_EQ(driver.Text(page, IDC_PW_TEXCOUNT), "1");
        EXPECT_EQ(driver.Text(page, IDC_PW_OTHER_SCALE), "1.5");
        EXPECT_EQ(driver.Text(page, IDC_PW_RADIUS), "2*16");
        EXPECT_EQ(driver.Text(dlg, IDC_MAIN_COMMAND), "POLY TEXSCALE UU=0.603553 VV=0.666667");

        driver.SelectTab(dlg, IDC_MAIN_TABS, 2);
        driver.SelectTab(dlg, IDC_MAIN_TABS, 0);
        EXPECT_EQ(driver.Text(page, IDC_PW_OTHER_SCALE), "1.5");
        EXPECT_EQ(Shown(page), (Results{"212", "-27", "1.65685424973267", "-16", "-0"}));
        ExpectNothingPending(dlg);
    });
}

TEST_F(PillarWrapPageTest, EnterInAFieldChangesNothing) {
    RunMainWindow([&](CMainDlg& dlg) {
        CPillarWrapPage& page = *dlg.PillarWrapPage();
        driver.Click(page, IDC_PW_CMD_SIMPLE_PAN);
        driver.Type(page, IDC_PW_SIDES, "2");
        driver.PressKey(ui::DialogKey::Enter);
        EXPECT_TRUE(driver.MessageBoxes().empty());
        EXPECT_TRUE(driver.IsDialogVisible(page));
        EXPECT_EQ(driver.Text(page, IDC_PW_SIMPLE_PAN), "-27");
        EXPECT_EQ(driver.Text(dlg, IDC_MAIN_COMMAND), "POLY TEXPAN U=-27");
    });
}

} // namespace
