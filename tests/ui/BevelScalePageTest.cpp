#include "UiTest.h"

#include "pages/BevelScalePage.h"
#include "res/resource.h"
#include "text/NumberText.h"

#include <cstdlib>
#include <vector>

namespace {

constexpr int kTabBevel = 1;
constexpr const char* kRangeMessage = "Please enter an integer expression from 1 to 65535";

struct BevelInputs {
    std::string width, rise, run, textures, otherScale;
    int applyTo;
};

class BevelScalePageTest : public UiTest {
protected:
    // Shows the page, types the inputs and presses Cmd.
    void PressCmd(CMainDlg& dlg, const BevelInputs& in) {
        CBevelScalePage& page = *dlg.BevelScalePage();
        driver.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel);
        driver.Type(page, IDC_BS_TEXWIDTH, in.width);
        driver.Type(page, IDC_BS_RISE, in.rise);
        driver.Type(page, IDC_BS_RUN, in.run);
        driver.Type(page, IDC_BS_TEXCOUNT, in.textures);
        driver.Type(page, IDC_BS_OTHER_SCALE, in.otherScale);
        driver.Click(page, in.applyTo == 0 ? IDC_BS_APPLY_U : IDC_BS_APPLY_V);
        driver.Click(page, IDC_BS_CMD);
    }
};

TEST_F(BevelScalePageTest, WorkedExamplesPublishTheirCommands) {
    struct Case {
        BevelInputs in;
        double scale;
        std::string command;
    };
    const std::vector<Case> cases = {
        {{"128", "64", "64", "1", "1", 1}, 0.707106781187, "POLY TEXSCALE UU=1.000000 VV=1.414214"},
        {{"256", "48", "64", "2", "0.5", 0}, 0.15625, "POLY TEXSCALE UU=6.400000 VV=2.000000"},
        {{"256", "48", "64", "2", "0.5", 1}, 0.15625, "POLY TEXSCALE UU=2.000000 VV=6.400000"},
        {{"16384", "1", "1", "128", "1", 0},
         6.74349576174e-7,
         "POLY TEXSCALE UU=1482910.400379 VV=1.000000"},
        {{"4", "65535", "65535", "0.0625", "1", 0},
         370721.94324,
         "POLY TEXSCALE UU=0.000003 VV=1.000000"},
        {{"128", "16*4", "2.5", "1", "1", 1},
         0.500381324318,
         "POLY TEXSCALE UU=1.000000 VV=1.998476"},
    };
    RunMainWindow([&](CMainDlg& dlg) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.command);
            driver.ClearMessageBoxes();
            PressCmd(dlg, c.in);
            auto shown = kestrow::ParseNumberText(driver.Text(*dlg.BevelScalePage(), IDC_BS_SCALE));
            ASSERT_TRUE(shown.has_value());
            EXPECT_NEAR(*shown / c.scale, 1.0, 1e-11);
            EXPECT_EQ(driver.Text(dlg, IDC_MAIN_COMMAND), c.command);
            EXPECT_EQ(driver.Text(dlg, IDC_MAIN_CMD_LABEL), "CMD: Bevel Scale");
            EXPECT_TRUE(driver.MessageBoxes().empty());
        }
    });
}

TEST_F(BevelScalePageTest, StartsWithVScaleSelectedAndDefaults) {
    RunMainWindow([&](CMainDlg& dlg) {
        const CBevelScalePage& page = *dlg.BevelScalePage();
        EXPECT_FALSE(driver.IsChecked(page, IDC_BS_APPLY_U));
        EXPECT_TRUE(driver.IsChecked(page, IDC_BS_APPLY_V));
        EXPECT_EQ(driver.Text(page, IDC_BS_TEXWIDTH), "128");
        EXPECT_EQ(driver.Text(page, IDC_BS_RISE), "64");
        EXPECT_EQ(driver.Text(page, IDC_BS_RUN), "64");
        EXPECT_EQ(driver.Text(page, IDC_BS_TEXCOUNT), "1");
        EXPECT_EQ(driver.Text(page, IDC_BS_OTHER_SCALE), "1");
        EXPECT_EQ(driver.Text(page, IDC_BS_SCALE), "0");
    });
}

// Each failing field stops the checks: its messages in order, the focus on it,
// the shown scale kept and the pending command cleared.
TEST_F(BevelScalePageTest, ChecksStopAtTheFirstFailingField) {
    struct Case {
        BevelInputs in;
        std::vector<std::string> messages;
        int focus;
    };
    const std::vector<Case> cases = {
        {{"3", "0", "abc", "129", "40", 1},
         {"Please enter a number between 0.0625 and 128."},
         IDC_BS_TEXCOUNT},
        {{"3", "0", "abc", "128", "40", 1},
         {"Please enter a number between 0.03125 and 32."},
         IDC_BS_OTHER_SCALE},
        {{"3", "0", "abc", "1", "0.03", 1},
         {"Please enter a number between 0.03125 and 32."},
         IDC_BS_OTHER_SCALE},
        {{"3", "0", "abc", "1", "1", 1},
         {"Please enter an integer between 4 and 16384."},
         IDC_BS_TEXWIDTH},
        {{"12a", "0", "abc", "1", "1", 1}, {"Please enter an integer."}, IDC_BS_TEXWIDTH},
        {{"128", "1", "1", "x", "1", 1}, {"Please enter a number."}, IDC_BS_TEXCOUNT},
        {{"128", "0", "abc", "1", "1", 1}, {kRangeMessage}, IDC_BS_RISE},
        {{"128", "0.5", "64", "1", "1", 1}, {kRangeMessage}, IDC_BS_RISE},
        {{"128", "65535.5", "64", "1", "1", 1}, {kRangeMessage}, IDC_BS_RISE},
        {{"128", "abc", "64", "1", "1", 1},
         {"No value recognized", "Error in expression.", kRangeMessage},
         IDC_BS_RISE},
        {{"128", "64", "65536", "1", "1", 1}, {kRangeMessage}, IDC_BS_RUN},
        {{"128", "64", "(2+3", "1", "1", 1}, {"Mismatched brackets.", kRangeMessage}, IDC_BS_RUN},
    };
    RunMainWindow([&](CMainDlg& dlg) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.messages.front() + " rise=" + c.in.rise + " run=" + c.in.run);
            CBevelScalePage& page = *dlg.BevelScalePage();
            driver.ClearMessageBoxes();
            PressCmd(dlg, {"128", "64", "64", "1", "1", 1});
            ASSERT_EQ(driver.Text(page, IDC_BS_SCALE), "0.707106781186548");

            PressCmd(dlg, c.in);
            EXPECT_EQ(driver.MessageTexts(), c.messages);
            EXPECT_EQ(driver.FocusDialog(), &page);
            EXPECT_EQ(driver.FocusId(), c.focus);
            EXPECT_TRUE(driver.IsTextSelected(page, c.focus));
            EXPECT_EQ(driver.Text(page, IDC_BS_SCALE), "0.707106781186548");
            EXPECT_EQ(driver.Text(dlg, IDC_MAIN_CMD_LABEL), "CMD: ( None )");
            EXPECT_EQ(driver.Text(dlg, IDC_MAIN_COMMAND), "");
        }
    });
}

// The evaluator's messages and the page's range message alike are boxes over the
// main window: a page, a child window, cannot own one.
TEST_F(BevelScalePageTest, MessageBoxesBelongToTheMainWindow) {
    RunMainWindow([&](CMainDlg& dlg) {
        PressCmd(dlg, {"128", "abc", "64", "1", "1", 1});
        ASSERT_EQ(driver.MessageBoxes().size(), 3u);
        for (const auto& box : driver.MessageBoxes()) {
            EXPECT_EQ(box.owner, &dlg);
            EXPECT_EQ(box.caption, "Kestrow");
        }
    });
}

TEST_F(BevelScalePageTest, InputsAreWrittenBackInTheNumberFormat) {
    RunMainWindow([&](CMainDlg& dlg) {
        const CBevelScalePage& page = *dlg.BevelScalePage();
        PressCmd(dlg, {" 0128", "2x3", "2*2", "1.50", "0.50", 0});
        EXPECT_EQ(driver.MessageTexts(), (std::vector<std::string>{"Unrecognized Operator"}));
        EXPECT_EQ(driver.Text(page, IDC_BS_TEXWIDTH), "128");
        EXPECT_EQ(driver.Text(page, IDC_BS_TEXCOUNT), "1.5");
        EXPECT_EQ(driver.Text(page, IDC_BS_OTHER_SCALE), "0.5");
        EXPECT_EQ(driver.Text(page, IDC_BS_RISE), "2x3");
        // Rise 2 (the value before the fault) and run 4 over 1.5 textures of 128.
        EXPECT_EQ(driver.Text(dlg, IDC_MAIN_COMMAND), "POLY TEXSCALE UU=42.932505 VV=2.000000");
    });
}

} // namespace
