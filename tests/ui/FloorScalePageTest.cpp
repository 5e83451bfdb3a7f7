#include "UiTest.h"

#include "pages/FloorScalePage.h"
#include "res/resource.h"

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr const char* kLabel = "CMD: Floor Scale";

constexpr int kTabFloor = 2;
constexpr const char* kRangeMessage = "Please enter an integer expression from 1 to 65535";
constexpr const char* kWidthMessage = "Please enter an integer between 4 and 16384.";
constexpr const char* kStretchMessage = "Please enter a number between 0.03125 and 256.";

struct FloorInputs {
    std::string width = "128", height = "128";
    std::string stretchX = "1", lengthX = "256";
    std::string stretchY = "1", lengthY = "256";
};

constexpr int kInputFields[] = {IDC_FS_TEXWIDTH, IDC_FS_TEXHEIGHT, IDC_FS_STRETCH_X,
                                IDC_FS_LENGTH_X, IDC_FS_STRETCH_Y, IDC_FS_LENGTH_Y};

class FloorScalePageTest : public UiTest {
protected:
    CFloorScalePage& Show(CMainDlg& dlg) {
        driver.SelectTab(dlg, IDC_MAIN_TABS, kTabFloor);
        return *dlg.FloorScalePage();
    }
    void Enter(CFloorScalePage& page, const FloorInputs& in) {
        driver.Type(page, IDC_FS_TEXWIDTH, in.width);
        driver.Type(page, IDC_FS_TEXHEIGHT, in.height);
        driver.Type(page, IDC_FS_STRETCH_X, in.stretchX);
        driver.Type(page, IDC_FS_LENGTH_X, in.lengthX);
        driver.Type(page, IDC_FS_STRETCH_Y, in.stretchY);
        driver.Type(page, IDC_FS_LENGTH_Y, in.lengthY);
    }
    // The six input texts in the order of kInputFields.
    std::vector<std::string> Texts(const CFloorScalePage& page) {
        std::vector<std::string> texts;
        for (int id : kInputFields)
            texts.push_back(driver.Text(page, id));
        return texts;
    }
};

TEST_F(FloorScalePageTest, CmdPublishesTheScaleOfEachAxis) {
    struct Case {
        FloorInputs in;
        std::string command;
    };
    const std::vector<Case> cases = {
        {{}, "POLY TEXSCALE UU=0.500000 VV=0.500000"},
        {{"256", "128", "2", "384", "1", "3.3"}, "POLY TEXSCALE UU=1.333333 VV=38.787879"},
        {{"16384", "4", "256", "1", "0.03125", "65535"},
         "POLY TEXSCALE UU=4194304.000000 VV=0.000002"},
        // X pairs with the width and Y with the height, never crossed.
        {{"64", "512", "1", "256", "1", "256"}, "POLY TEXSCALE UU=0.250000 VV=2.000000"},
        {{"128", "128", "1", "2.5", "1.50", "2*128"}, "POLY TEXSCALE UU=51.200000 VV=0.750000"},
        {{"128", "128", "1", "65535", "1", "(1+1)*64"}, "POLY TEXSCALE UU=0.001953 VV=1.000000"},
        // An operator the evaluator passes over leaves the value read so far.
        {{"128", "128", "1", "64x3", "1", "256"}, "POLY TEXSCALE UU=2.000000 VV=0.500000"},
    };
    RunMainWindow([&](CMainDlg& dlg) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.command);
            driver.ClearMessageBoxes();
            CFloorScalePage& page = Show(dlg);
            Enter(page, c.in);
            driver.Click(page, IDC_FS_CMD);
            ExpectPending(dlg, c.command, kLabel);
            // The page has no results: its fields keep their texts as typed.
            EXPECT_EQ(Texts(page),
                      (std::vector<std::string>{c.in.width, c.in.height, c.in.stretchX,
                                                c.in.lengthX, c.in.stretchY, c.in.lengthY}));
        }
    });
}

TEST_F(FloorScalePageTest, StartsWithItsDefaults) {
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(Texts(*dlg.FloorScalePage()),
                  (std::vector<std::string>{"128", "128", "1", "256", "1", "256"}));
    });
}

// Faults are reported in the order width, height, stretch X, stretch Y, X length,
// Y length; the first one stops the checks and clears the pending command.
TEST_F(FloorScalePageTest, CmdChecksStopAtTheFirstFailingField) {
    struct Case {
        FloorInputs in;
        std::vector<std::string> messages;
        int focus;
    };
    const std::vector<Case> cases = {
        {{"3", "3", "0.03", "0", "0.03", "0"}, {kWidthMessage}, IDC_FS_TEXWIDTH},
        {{"wide", "3", "0.03", "0", "0.03", "0"}, {"Please enter an integer."}, IDC_FS_TEXWIDTH},
        {{"128", "16385", "0.03", "0", "0.03", "0"}, {kWidthMessage}, IDC_FS_TEXHEIGHT},
        {{"128", "128", "0.03", "0", "0.03", "0"}, {kStretchMessage}, IDC_FS_STRETCH_X},
        {{"128", "128", "256.5", "0", "0.03", "0"}, {kStretchMessage}, IDC_FS_STRETCH_X},
        {{"128", "128", "1", "0", "0.03", "0"}, {kStretchMessage}, IDC_FS_STRETCH_Y},
        {{"128", "128", "1", "0", "1", "abc"}, {kRangeMessage}, IDC_FS_LENGTH_X},
        {{"128", "128", "1", "65536", "1", "256"}, {kRangeMessage}, IDC_FS_LENGTH_X},
        {{"128", "128", "1", "(2", "1", "256"},
         {"Mismatched brackets.", kRangeMessage},
         IDC_FS_LENGTH_X},
        {{"128", "128", "1", "256", "1", "0.5"}, {kRangeMessage}, IDC_FS_LENGTH_Y},
        {{"128", "128", "1", "256", "1", "abc"},
         {"No value recognized", "Error in expression.", kRangeMessage},
         IDC_FS_LENGTH_Y},
    };
    RunMainWindow([&](CMainDlg& dlg) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.messages.back() + " focus " + std::to_string(c.focus));
            driver.ClearMessageBoxes();
            Enter(Show(dlg), {});
            CFloorScalePage& page = Show(dlg);
            driver.Click(page, IDC_FS_CMD);
            ExpectPending(dlg, "POLY TEXSCALE UU=0.500000 VV=0.500000", kLabel);

            Enter(page, c.in);
            driver.Click(page, IDC_FS_CMD);
            EXPECT_EQ(driver.MessageTexts(), c.messages);
            EXPECT_EQ(driver.FocusDialog(), &page);
            EXPECT_EQ(driver.FocusId(), c.focus);
            ExpectNothingPending(dlg);
        }
    });
}

// Each Swap trades one pair and rewrites every field from its member, so typed
// numbers come back in the number format while length texts stay as typed.
TEST_F(FloorScalePageTest, SwapsTradeOnePairAndRewriteEveryField) {
    struct Case {
        int button;
        std::vector<std::string> after;
    };
    const FloorInputs typed = {" 0256", "64", "1.50", "2*128", "2", "256"};
    const std::vector<Case> cases = {
        {IDC_FS_SWAP_SIZE, {"64", "256", "1.5", "2*128", "2", "256"}},
        {IDC_FS_SWAP_STRETCH, {"256", "64", "2", "2*128", "1.5", "256"}},
        {IDC_FS_SWAP_LENGTHS, {"256", "64", "1.5", "256", "2", "2*128"}},
    };
    RunMainWindow([&](CMainDlg& dlg) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.button);
            driver.ClearMessageBoxes();
            CFloorScalePage& page = Show(dlg);
            Enter(page, typed);
            driver.Click(page, c.button);
            EXPECT_EQ(Texts(page), c.after);
            EXPECT_TRUE(driver.MessageBoxes().empty());
            ExpectNothingPending(dlg);
        }
    });
}

TEST_F(FloorScalePageTest, CmdUsesTheSwappedValues) {
    RunMainWindow([&](CMainDlg& dlg) {
        CFloorScalePage& page = Show(dlg);
        Enter(page, {"256", "64", "2", "2*128", "1", "64"});
        driver.Click(page, IDC_FS_SWAP_LENGTHS);
        driver.Click(page, IDC_FS_SWAP_SIZE);
        driver.Click(page, IDC_FS_SWAP_STRETCH);
        driver.Click(page, IDC_FS_CMD);
        // 64 * 1 / 64 and 256 * 2 / (2*128)
        ExpectPending(dlg, "POLY TEXSCALE UU=1.000000 VV=2.000000", kLabel);
    });
}

// A failed read stops every Swap and every Cmd at the framework's message, and
// nothing is exchanged or rewritten.
TEST_F(FloorScalePageTest, AFailedReadSwapsNothing) {
    const FloorInputs typed = {"3", "64", "1.50", "2*128", "2", "256"};
    const int buttons[] = {IDC_FS_SWAP_SIZE, IDC_FS_SWAP_STRETCH, IDC_FS_SWAP_LENGTHS, IDC_FS_CMD};
    RunMainWindow([&](CMainDlg& dlg) {
        CFloorScalePage& page = Show(dlg);
        for (int button : buttons) {
            SCOPED_TRACE(button);
            driver.ClearMessageBoxes();
            Enter(page, typed);
            driver.Click(page, button);
            EXPECT_EQ(driver.MessageTexts(), (std::vector<std::string>{kWidthMessage}));
            EXPECT_EQ(driver.FocusId(), IDC_FS_TEXWIDTH);
            EXPECT_EQ(Texts(page),
                      (std::vector<std::string>{"3", "64", "1.50", "2*128", "2", "256"}));
        }
    });
}

// A Swap reads the page but evaluates nothing and leaves the pending command,
// even when a length would now fail.
TEST_F(FloorScalePageTest, SwapNeitherCalculatesNorTouchesThePendingCommand) {
    const int swaps[] = {IDC_FS_SWAP_SIZE, IDC_FS_SWAP_STRETCH, IDC_FS_SWAP_LENGTHS};
    RunMainWindow([&](CMainDlg& dlg) {
        CFloorScalePage& page = Show(dlg);
        for (int button : swaps) {
            SCOPED_TRACE(button);
            Enter(page, {});
            driver.Click(page, IDC_FS_CMD);
            driver.ClearMessageBoxes();
            driver.Type(page, IDC_FS_LENGTH_X, "abc");
            driver.Type(page, IDC_FS_TEXWIDTH, "512");
            driver.Click(page, button);
            EXPECT_TRUE(driver.MessageBoxes().empty());
            ExpectPending(dlg, "POLY TEXSCALE UU=0.500000 VV=0.500000", kLabel);
        }
    });
}

} // namespace
