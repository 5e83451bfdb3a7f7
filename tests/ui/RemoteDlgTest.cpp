#include "UiTest.h"

#include "pages/BevelScalePage.h"
#include "res/resource.h"

namespace {

using RemoteDlgTest = UiTest;

TEST_F(RemoteDlgTest, AppliesAgainAndAgainWhileTheCalculatorIsMinimised) {
    const kestrow::WindowRef commandLine = driver.AddEditor(uitest::CommandLineKind::Classic);
    RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        driver.OnNextModal([&](CDialog& remote) {
            EXPECT_TRUE(driver.IsDialogIconic(dlg));
            EXPECT_FALSE(driver.IsDialogEnabled(dlg));
            EXPECT_TRUE(driver.IsDialogTopmost(remote));
            EXPECT_EQ(driver.Text(remote, IDC_REMOTE_APPLY), "Bevel Scale");
            for (int press = 0; press < 3; ++press)
                driver.Click(remote, IDC_REMOTE_APPLY);
            EXPECT_EQ(driver.Executed(commandLine).size(), 3u);
            driver.PressKey(ui::DialogKey::Enter); // the big button is the default
            EXPECT_EQ(driver.Executed(commandLine),
                      std::vector<std::string>(4, "POLY TEXSCALE UU=1.000000 VV=1.414214"));
            driver.Click(remote, ui::kIdCancel); // "Recall Calculator"
        });
        driver.Click(dlg, IDC_MAIN_REMOTE);
        EXPECT_EQ(driver.ModalRuns().back(), IDD_REMOTE);
        EXPECT_FALSE(driver.IsDialogIconic(dlg));
        EXPECT_TRUE(driver.IsDialogVisible(dlg));
        EXPECT_TRUE(driver.IsDialogEnabled(dlg));
        // Minimised, the main window lost the focus; restored, it holds it itself.
        EXPECT_EQ(driver.FocusDialog(), &dlg);
        EXPECT_EQ(driver.FocusId(), 0);
        EXPECT_EQ(driver.Text(dlg, IDC_MAIN_CMD_LABEL), "CMD: Bevel Scale");
        EXPECT_EQ(driver.Clipboard(), "POLY TEXSCALE UU=1.000000 VV=1.414214");
    });
}

TEST_F(RemoteDlgTest, EscapeClosesItAndEnterDoesNot) {
    RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        driver.OnNextModal([&](CDialog& remote) {
            driver.PressKey(ui::DialogKey::Enter);
            EXPECT_TRUE(driver.IsDialogVisible(remote));
            driver.PressKey(ui::DialogKey::Escape);
            // Hidden at once, its owner enabled again before it goes.
            EXPECT_FALSE(driver.IsDialogVisible(remote));
            EXPECT_TRUE(driver.IsDialogEnabled(dlg));
        });
        driver.Click(dlg, IDC_MAIN_REMOTE);
        EXPECT_FALSE(driver.IsDialogIconic(dlg));
        EXPECT_EQ(driver.Text(dlg, IDC_MAIN_COMMAND), "POLY TEXSCALE UU=1.000000 VV=1.414214");
    });
}

} // namespace
