#include "MemoryHostFixture.h"

#include "pages/BevelScalePage.h"
#include "res/resource.h"

#include <vector>

namespace {

constexpr const char* kBevelDefaults = "POLY TEXSCALE UU=1.000000 VV=1.414214";
constexpr unsigned kWmPaste = 0x0302;
constexpr unsigned kWmChar = 0x0102;

class EditorLinkTest : public MemoryHostTest {
protected:
    void ExpectPasteThenEnter(std::size_t at, ui::WindowRef target) {
        const auto& posted = host.PostedMessages();
        ASSERT_GE(posted.size(), at + 2);
        EXPECT_EQ(posted[at].target, target);
        EXPECT_EQ(posted[at].message, kWmPaste);
        EXPECT_EQ(posted[at].wParam, 0u);
        EXPECT_EQ(posted[at].lParam, 0);
        EXPECT_EQ(posted[at + 1].target, target);
        EXPECT_EQ(posted[at + 1].message, kWmChar);
        EXPECT_EQ(posted[at + 1].wParam, 13u);
        EXPECT_EQ(posted[at + 1].lParam, 0x001C0000);
    }
};

TEST_F(EditorLinkTest, ApplyPastesIntoTheFirstChildAndPressesEnter) {
    ui::WindowRef log = host.AddTopLevelWindow("Unreal Log Window");
    ui::WindowRef commandLine = host.AddChildWindow(log);
    host.AddChildWindow(log);
    host.AddChildWindow(log);
    RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        host.Click(dlg, IDC_MAIN_APPLY);
        EXPECT_EQ(host.Clipboard(), kBevelDefaults);
        EXPECT_TRUE(host.IsTextSelected(dlg, IDC_MAIN_COMMAND));
        ASSERT_EQ(host.PostedMessages().size(), 2u);
        ExpectPasteThenEnter(0, commandLine);

        host.Click(dlg, IDC_MAIN_APPLY);
        ASSERT_EQ(host.PostedMessages().size(), 4u);
        ExpectPasteThenEnter(2, commandLine);
        EXPECT_EQ(host.Text(dlg, IDC_MAIN_CMD_LABEL), "CMD: Bevel Scale");
        EXPECT_TRUE(host.MessageBoxes().empty());
    });
}

TEST_F(EditorLinkTest, StopsSilentlyBeforeTouchingTheClipboard) {
    struct Case {
        const char* name;
        bool logWindow;
        bool child;
        bool publish;
    };
    const Case cases[] = {
        {"no command pending", true, true, false},
        {"editor not running", false, false, true},
        {"log window without children", true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::MemoryHost fresh(ui::LoadDialogTemplates(KESTROW_RC_PATH, KESTROW_RESOURCE_H_PATH),
                             ui::LoadStringTable(KESTROW_RC_PATH, KESTROW_RESOURCE_H_PATH));
        ui::SetHost(&fresh);
        fresh.SetClipboard("kept");
        fresh.AddTopLevelWindow("Some Other Window");
        if (c.logWindow) {
            ui::WindowRef log = fresh.AddTopLevelWindow("Unreal Log Window");
            if (c.child)
                fresh.AddChildWindow(log);
        }
        CMainDlg dlg;
        ui::SetMainWindow(&dlg);
        fresh.OnNextModal([&](CDialog&) {
            if (c.publish) {
                fresh.SelectTab(dlg, IDC_MAIN_TABS, 1);
                fresh.Click(*dlg.BevelScalePage(), IDC_BS_CMD);
            }
            dlg.SendCommandToEditor();
            EXPECT_EQ(fresh.Clipboard(), "kept");
            EXPECT_TRUE(fresh.PostedMessages().empty());
            EXPECT_TRUE(fresh.MessageBoxes().empty());
            EXPECT_EQ(fresh.IsEnabled(dlg, IDC_MAIN_APPLY), c.publish);
        });
        dlg.DoModal();
        ui::SetMainWindow(nullptr);
        ui::SetHost(&host);
    }
}

} // namespace
