#include "MemoryHostFixture.h"

#include "pages/BevelScalePage.h"
#include "pages/FloorScalePage.h"
#include "pages/PillarWrapPage.h"
#include "pages/TextureSkewPage.h"
#include "res/resource.h"

#include <vector>

namespace {

constexpr int kTabBevel = 1;
constexpr unsigned kScMinimize = 0xF020;

using MainDlgTest = MemoryHostTest;

TEST_F(MainDlgTest, StartsOnPillarWrapWithNothingPending) {
    RunMainWindow([&](CMainDlg& dlg) {
        EXPECT_EQ(host.TabItems(dlg, IDC_MAIN_TABS),
                  (std::vector<std::string>{"Pillar Wrap", "Bevel Scale", "Floor Scale",
                                            "Texture Skew"}));
        EXPECT_EQ(dlg.Window().GetTabSelection(IDC_MAIN_TABS), 0);
        EXPECT_TRUE(host.IsDialogVisible(*dlg.PillarWrapPage()));
        EXPECT_FALSE(host.IsDialogVisible(*dlg.BevelScalePage()));
        EXPECT_FALSE(host.IsDialogVisible(*dlg.FloorScalePage()));
        EXPECT_FALSE(host.IsDialogVisible(*dlg.TextureSkewPage()));
        ExpectNothingPending(dlg);
        EXPECT_EQ(host.FocusDialog(), &dlg);
        EXPECT_EQ(host.FocusId(), IDC_MAIN_COMMAND);
        EXPECT_EQ(host.SystemMenuItems(dlg), (std::vector<std::string>{"", "&About Kestrow..."}));
        EXPECT_EQ(host.Icon(dlg), ui::IconHandle{IDR_MAINFRAME});
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
        host.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel);
        host.Type(page, IDC_BS_RISE, "3*16");
        host.Type(page, IDC_BS_RUN, "64");
        host.Type(page, IDC_BS_TEXWIDTH, "64");
        host.Click(page, IDC_BS_CMD);
        EXPECT_EQ(host.Text(page, IDC_BS_SCALE), "1.25");
        ExpectPending(dlg, "POLY TEXSCALE UU=1.000000 VV=0.800000", "CMD: Bevel Scale");
        EXPECT_TRUE(host.MessageBoxes().empty());
    });
}

TEST_F(MainDlgTest, EveryTabSwitchClearsTheCommandAndKeepsThePages) {
    RunMainWindow([&](CMainDlg& dlg) {
        CBevelScalePage& page = *dlg.BevelScalePage();
        PublishBevelDefaults(dlg);
        host.Type(page, IDC_BS_RISE, "99");

        EXPECT_TRUE(host.SelectTab(dlg, IDC_MAIN_TABS, 2));
        EXPECT_FALSE(host.IsDialogVisible(page));
        EXPECT_TRUE(host.IsDialogVisible(*dlg.FloorScalePage()));
        ExpectNothingPending(dlg);

        host.Click(page, IDC_BS_CMD); // a hidden page cannot be used
        ExpectNothingPending(dlg);

        host.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel);
        EXPECT_TRUE(host.IsDialogVisible(page));
        EXPECT_EQ(host.Text(page, IDC_BS_RISE), "99");
        EXPECT_EQ(host.Text(page, IDC_BS_SCALE), "0.707106781186548");
        ExpectNothingPending(dlg);
    });
}

TEST_F(MainDlgTest, ClickingTheSelectedTabKeepsTheCommand) {
    RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        EXPECT_FALSE(host.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel));
        ExpectPending(dlg, "POLY TEXSCALE UU=1.000000 VV=1.414214", "CMD: Bevel Scale");
    });
}

TEST_F(MainDlgTest, AFailedCmdClearsAnEarlierCommand) {
    RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        host.Type(*dlg.BevelScalePage(), IDC_BS_RISE, "0");
        host.Click(*dlg.BevelScalePage(), IDC_BS_CMD);
        ExpectNothingPending(dlg);
    });
}

TEST_F(MainDlgTest, AboutEntryOpensTheAboutBoxModally) {
    RunMainWindow([&](CMainDlg& dlg) {
        bool mainEnabledMeanwhile = true;
        host.OnNextModal([&](CDialog&) { mainEnabledMeanwhile = host.IsDialogEnabled(dlg); });
        host.SystemCommand(dlg, IDM_ABOUTBOX);
        EXPECT_EQ(host.ModalRuns().back(), IDD_ABOUTBOX);
        EXPECT_FALSE(mainEnabledMeanwhile);
        EXPECT_TRUE(host.IsDialogEnabled(dlg));

        host.SystemCommand(dlg, kScMinimize);
        EXPECT_TRUE(host.IsDialogIconic(dlg));
        EXPECT_EQ(host.ModalRuns().back(), IDD_ABOUTBOX);
    });
}

TEST_F(MainDlgTest, MinimisedWindowPaintsItsIcon) {
    RunMainWindow([&](CMainDlg& dlg) {
        host.Paint(dlg);
        EXPECT_EQ(host.PaintedIcons(dlg), 0);
        host.SystemCommand(dlg, kScMinimize);
        host.Paint(dlg);
        EXPECT_EQ(host.PaintedIcons(dlg), 1);
        EXPECT_EQ(dlg.OnQueryDragIcon(), ui::IconHandle{IDR_MAINFRAME});
    });
}

TEST_F(MainDlgTest, CloseDestroysAndDeletesThePagesThenEndsAsCancel) {
    bool pagesGone = false;
    int result = RunMainWindow([&](CMainDlg& dlg) {
        host.Close(dlg);
        pagesGone = dlg.PillarWrapPage() == nullptr && dlg.BevelScalePage() == nullptr &&
                    dlg.FloorScalePage() == nullptr && dlg.TextureSkewPage() == nullptr;
        dlg.OnClose(); // a close that arrives late finds nothing left to delete
    });
    EXPECT_TRUE(pagesGone);
    EXPECT_EQ(result, ui::kIdCancel);
}

TEST_F(MainDlgTest, EnterOrEscapeOnTheMainWindowEndsTheProgram) {
    EXPECT_EQ(RunMainWindow([&](CMainDlg&) { host.PressKey(ui::DialogKey::Enter); }), ui::kIdOk);
    EXPECT_EQ(RunMainWindow([&](CMainDlg&) { host.PressKey(ui::DialogKey::Escape); }),
              ui::kIdCancel);
}

TEST_F(MainDlgTest, EnterOnAFocusedApplyClicksItInsteadOfEnding) {
    ui::WindowRef log = host.AddTopLevelWindow("Unreal Log Window");
    host.AddChildWindow(log);
    int result = RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        dlg.Window().FocusItem(IDC_MAIN_APPLY);
        host.PressKey(ui::DialogKey::Enter);
        EXPECT_EQ(host.PostedMessages().size(), 3u);
        host.Close(dlg);
    });
    EXPECT_EQ(result, ui::kIdCancel); // ended by the close, not by the Enter
}

} // namespace
