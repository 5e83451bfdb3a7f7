#include "MemoryHostFixture.h"

#include "pages/BevelScalePage.h"
#include "res/resource.h"

namespace {

using RemoteDlgTest = MemoryHostTest;

TEST_F(RemoteDlgTest, AppliesAgainAndAgainWhileTheCalculatorIsMinimised) {
    host.AddChildWindow(host.AddTopLevelWindow("Unreal Log Window"));
    RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        host.OnNextModal([&](CDialog& remote) {
            EXPECT_TRUE(host.IsDialogIconic(dlg));
            EXPECT_FALSE(host.IsDialogEnabled(dlg));
            EXPECT_TRUE(host.IsDialogTopmost(remote));
            EXPECT_EQ(host.Text(remote, IDC_REMOTE_APPLY), "Bevel Scale");
            for (int press = 0; press < 3; ++press)
                host.Click(remote, IDC_REMOTE_APPLY);
            EXPECT_EQ(host.PostedMessages().size(), 9u);
            host.PressKey(ui::DialogKey::Enter); // the big button is the default
            EXPECT_EQ(host.PostedMessages().size(), 12u);
            host.Click(remote, ui::kIdCancel); // "Recall Calculator"
        });
        host.Click(dlg, IDC_MAIN_REMOTE);
        EXPECT_EQ(host.ModalRuns().back(), IDD_REMOTE);
        EXPECT_FALSE(host.IsDialogIconic(dlg));
        EXPECT_TRUE(host.IsDialogVisible(dlg));
        EXPECT_TRUE(host.IsDialogEnabled(dlg));
        EXPECT_EQ(host.Text(dlg, IDC_MAIN_CMD_LABEL), "CMD: Bevel Scale");
        EXPECT_EQ(host.Clipboard(), "POLY TEXSCALE UU=1.000000 VV=1.414214");
    });
}

TEST_F(RemoteDlgTest, EscapeClosesItAndEnterDoesNot) {
    RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        host.OnNextModal([&](CDialog& remote) {
            host.PressKey(ui::DialogKey::Enter);
            EXPECT_TRUE(host.IsDialogVisible(remote));
            host.PressKey(ui::DialogKey::Escape);
            EXPECT_FALSE(host.IsDialogVisible(remote));
        });
        host.Click(dlg, IDC_MAIN_REMOTE);
        EXPECT_FALSE(host.IsDialogIconic(dlg));
        EXPECT_EQ(host.Text(dlg, IDC_MAIN_COMMAND), "POLY TEXSCALE UU=1.000000 VV=1.414214");
    });
}

} // namespace
