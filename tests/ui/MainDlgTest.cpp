#include "UiTest.h"

#include "app/AboutTexts.h"
#include "pages/BevelScalePage.h"
#include "pages/FloorScalePage.h"
#include "pages/PillarWrapPage.h"
#include "pages/TextureSkewPage.h"
#include "res/resource.h"

#include <vector>

namespace {

constexpr int kTabBevel = 1;
constexpr unsigned kScMinimize = 0xF020;

using MainDlgTest = UiTest;

TEST_F(MainDlgTest, StartsOnPillarWrapWithNothingPending) {
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(driver.TabItems(dlg, IDC_MAIN_TABS),
                  (std::vector<std::string>{"Pillar Wrap", "Bevel Scale", "Floor Scale",
                                            "Texture Skew"}));
        EXPECT_EQ(dlg.Window().GetTabSelection(IDC_MAIN_TABS), 0);
        EXPECT_TRUE(driver.IsDialogVisible(*dlg.PillarWrapPage()));
        EXPECT_FALSE(driver.IsDialogVisible(*dlg.BevelScalePage()));
        EXPECT_FALSE(driver.IsDialogVisible(*dlg.FloorScalePage()));
        EXPECT_FALSE(driver.IsDialogVisible(*dlg.TextureSkewPage()));
        ExpectNothingPending(dlg);
        EXPECT_EQ(driver.FocusDialog(), &dlg);
        EXPECT_EQ(driver.FocusId(), IDC_MAIN_COMMAND);
        // The platform's own items come first; ours are appended after a separator.
        const std::vector<std::string> menu = driver.SystemMenuItems(dlg);
        ASSERT_GE(menu.size(), 2u);
        EXPECT_EQ(std::vector<std::string>(menu.end() - 2, menu.end()),
                  (std::vector<std::string>{"", "&About Kestrow..."}));
        const ui::IconHandle icon = ui::Host().LoadIconResource(IDR_MAINFRAME);
        EXPECT_NE(icon, 0u);
        EXPECT_EQ(driver.Icon(dlg), icon);
        EXPECT_EQ(dlg.OnQueryDragIcon(), icon);
    });
}

TEST_F(MainDlgTest, PublishingShowsTheCommandAndReplacesAnEarlierOne) {
    RunMainWindow([&](CMainDlg& dlg) {
        dlg.PublishCommand("POLY TEXPAN U=-27", "CMD: Simple Pan");
        ExpectPending(dlg, "POLY TEXPAN U=-27", "CMD: Simple Pan");
        dlg.PublishCommand("POLY TEXPAN U=-16", "CMD: Best Pan");
        ExpectPending(dlg, "POLY TEXPAN U=-16", "CMD: Best Pan");
        dlg.ClearCommand();
        ExpectNothingPending(dlg);
    });
}

TEST_F(MainDlgTest, TheRoadOfOneCommand) {
    RunMainWindow([&](CMainDlg& dlg) {
        CBevelScalePage& page = *dlg.BevelScalePage();
        driver.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel);
        driver.Type(page, IDC_BS_RISE, "3*16");
        driver.Type(page, IDC_BS_RUN, "64");
        driver.Type(page, IDC_BS_TEXWIDTH, "64");
        driver.Click(page, IDC_BS_CMD);
        EXPECT_EQ(driver.Text(page, IDC_BS_SCALE), "1.25");
        ExpectPending(dlg, "POLY TEXSCALE UU=1.000000 VV=0.800000", "CMD: Bevel Scale");
        EXPECT_TRUE(driver.MessageBoxes().empty());
    });
}

TEST_F(MainDlgTest, EveryTabSwitchClearsTheCommandAndKeepsThePages) {
    RunMainWindow([&](CMainDlg& dlg) {
        CBevelScalePage& page = *dlg.BevelScalePage();
        PublishBevelDefaults(dlg);
        driver.Type(page, IDC_BS_RISE, "99");

        EXPECT_TRUE(driver.SelectTab(dlg, IDC_MAIN_TABS, 2));
        EXPECT_FALSE(driver.IsDialogVisible(page));
        EXPECT_TRUE(driver.IsDialogVisible(*dlg.FloorScalePage()));
        ExpectNothingPending(dlg);
        // The click took the focus to the tabs, out of the page it hid.
        EXPECT_EQ(driver.FocusDialog(), &dlg);
        EXPECT_EQ(driver.FocusId(), IDC_MAIN_TABS);

        driver.Click(page, IDC_BS_CMD); // a hidden page cannot be used
        ExpectNothingPending(dlg);

        driver.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel);
        EXPECT_TRUE(driver.IsDialogVisible(page));
        EXPECT_EQ(driver.Text(page, IDC_BS_RISE), "99");
        EXPECT_EQ(driver.Text(page, IDC_BS_SCALE), "0.707106781186548");
        ExpectNothingPending(dlg);
    });
}

TEST_F(MainDlgTest, ClickingTheSelectedTabKeepsTheCommand) {
    RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        EXPECT_FALSE(driver.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel));
        ExpectPending(dlg, "POLY TEXSCALE UU=1.000000 VV=1.414214", "CMD: Bevel Scale");
    });
}

TEST_F(MainDlgTest, AFailedCmdClearsAnEarlierCommand) {
    RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        driver.Type(*dlg.BevelScalePage(), IDC_BS_RISE, "0");
        driver.Click(*dlg.BevelScalePage(), IDC_BS_CMD);
        ExpectNothingPending(dlg);
    });
}

TEST_F(MainDlgTest, AboutEntryOpensTheAboutBoxModally) {
    RunMainWindow([&](CMainDlg& dlg) {
        bool mainEnabledMeanwhile = true;
        const CDialog* aboutBox = nullptr;
        driver.OnNextModal([&](CDialog& about) {
            aboutBox = &about;
            mainEnabledMeanwhile = driver.IsDialogEnabled(dlg);
            EXPECT_EQ(driver.FocusDialog(), &about);
            EXPECT_EQ(driver.FocusId(), ui::kIdOk);
            // Each box opens over the about box, which stays open after it.
            driver.Click(about, IDC_ABOUT_CREDITS);
            driver.Click(about, IDC_ABOUT_REV_HISTORY);
            EXPECT_TRUE(driver.IsDialogVisible(about));
            driver.Click(about, ui::kIdOk);
        });
        driver.SystemCommand(dlg, IDM_ABOUTBOX);
        EXPECT_EQ(driver.ModalRuns().back(), IDD_ABOUTBOX);
        EXPECT_FALSE(mainEnabledMeanwhile);
        EXPECT_TRUE(driver.IsDialogEnabled(dlg));
        // The focus is back where it was before the about box.
        EXPECT_EQ(driver.FocusDialog(), &dlg);
        EXPECT_EQ(driver.FocusId(), IDC_MAIN_COMMAND);
        const auto boxes = driver.MessageBoxes();
        ASSERT_EQ(boxes.size(), 2u);
        EXPECT_EQ(boxes[0].owner, aboutBox);
        EXPECT_EQ(boxes[0].caption, kCreditsCaption);
        EXPECT_EQ(boxes[0].text, kCreditsText);
        EXPECT_EQ(boxes[1].owner, aboutBox);
        EXPECT_EQ(boxes[1].caption, kRevHistoryCaption);
        EXPECT_EQ(boxes[1].text, kRevHistoryText);

        driver.SystemCommand(dlg, kScMinimize);
        EXPECT_TRUE(driver.IsDialogIconic(dlg));
        EXPECT_EQ(driver.ModalRuns().back(), IDD_ABOUTBOX);
    });
}

TEST_F(MainDlgTest, CloseDestroysAndDeletesThePagesThenEndsAsCancel) {
    bool pagesGone = false;
    int result = RunMainWindow([&](CMainDlg& dlg) {
        driver.Close(dlg);
        pagesGone = dlg.PillarWrapPage() == nullptr && dlg.BevelScalePage() == nullptr &&
                    dlg.FloorScalePage() == nullptr && dlg.TextureSkewPage() == nullptr;
        dlg.OnClose(); // a close that arrives late finds nothing left to delete
    });
    EXPECT_TRUE(pagesGone);
    EXPECT_EQ(result, ui::kIdCancel);
}

TEST_F(MainDlgTest, EnterOrEscapeOnTheMainWindowEndsTheProgram) {
    EXPECT_EQ(RunMainWindow([&](CMainDlg&) { driver.PressKey(ui::DialogKey::Enter); }), ui::kIdOk);
    EXPECT_EQ(RunMainWindow([&](CMainDlg&) { driver.PressKey(ui::DialogKey::Escape); }),
              ui::kIdCancel);
}

TEST_F(MainDlgTest, EnterOnAFocusedApplyClicksItInsteadOfEnding) {
    const kestrow::WindowRef commandLine = driver.AddEditor(uitest::CommandLineKind::Classic);
    int result = RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        dlg.Window().FocusItem(IDC_MAIN_APPLY);
        driver.PressKey(ui::DialogKey::Enter);
        EXPECT_EQ(driver.Executed(commandLine),
                  std::vector<std::string>{"POLY TEXSCALE UU=1.000000 VV=1.414214"});
        driver.Close(dlg);
    });
    EXPECT_EQ(result, ui::kIdCancel); // ended by the close, not by the Enter
}

} // namespace
