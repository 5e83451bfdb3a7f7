#include "MemoryHostFixture.h"

#include "app/EditorDelivery.h"
#include "pages/BevelScalePage.h"
#include "res/resource.h"

#include <chrono>
#include <vector>

namespace {

using std::chrono::milliseconds;

constexpr const char* kBevelDefaults = "POLY TEXSCALE UU=1.000000 VV=1.414214";
constexpr const char* kClipboardBusy =
    "The command was not sent to the editor because another program is holding the "
    "clipboard. Please try again.";
constexpr unsigned kEmSetSel = 0x00B1;
constexpr unsigned kWmPaste = 0x0302;
constexpr unsigned kWmChar = 0x0102;

class EditorLinkTest : public MemoryHostTest {
protected:
    // Select all, paste, Enter: the three messages of one delivery, in order.
    void ExpectOneDelivery(std::size_t at, ui::WindowRef target) {
        const auto& posted = host.PostedMessages();
        ASSERT_GE(posted.size(), at + 3);
        const ui::MemoryHost::PostedMessage expected[] = {
            {target, kEmSetSel, 0, -1},
            {target, kWmPaste, 0, 0},
            {target, kWmChar, 13, 0x001C0000},
        };
        for (std::size_t i = 0; i < 3; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(posted[at + i].target, expected[i].target);
            EXPECT_EQ(posted[at + i].message, expected[i].message);
            EXPECT_EQ(posted[at + i].wParam, expected[i].wParam);
            EXPECT_EQ(posted[at + i].lParam, expected[i].lParam);
        }
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
        ASSERT_EQ(host.PostedMessages().size(), 3u);
        ExpectOneDelivery(0, commandLine);

        host.Click(dlg, IDC_MAIN_APPLY);
        ASSERT_EQ(host.PostedMessages().size(), 6u);
        ExpectOneDelivery(3, commandLine);
        EXPECT_EQ(host.PausedFor(), milliseconds{0});
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
        ui::MemoryHost fresh(ui::LoadResFile(KESTROW_RES_PATH));
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

TEST_F(EditorLinkTest, AClipboardHeldElsewhereIsWaitedForBriefly) {
    struct Case {
        const char* name;
        milliseconds held;
        bool delivered;
    };
    const Case cases[] = {
        {"let go of at once", milliseconds{0}, true},
        {"let go of in time", milliseconds{200}, true},
        {"let go of too late", milliseconds{300}, false},
        {"kept", ui::MemoryHost::kUntilLetGo, false},
    };
    ui::WindowRef commandLine = host.AddChildWindow(host.AddTopLevelWindow("Unreal Log Window"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunMainWindow([&](CMainDlg& dlg) {
            PublishBevelDefaults(dlg);
            host.SetClipboard("copied earlier by the user");
            const std::size_t postedBefore = host.PostedMessages().size();
            const milliseconds pausedBefore = host.PausedFor();
            host.HoldClipboard(c.held);

            host.Click(dlg, IDC_MAIN_APPLY);

            EXPECT_LE(host.PausedFor() - pausedBefore, milliseconds{250});
            if (c.delivered) {
                EXPECT_EQ(host.Clipboard(), kBevelDefaults);
                ASSERT_EQ(host.PostedMessages().size(), postedBefore + 3);
                ExpectOneDelivery(postedBefore, commandLine);
                EXPECT_TRUE(host.MessageBoxes().empty());
            } else {
                EXPECT_EQ(host.Clipboard(), "copied earlier by the user");
                EXPECT_EQ(host.PostedMessages().size(), postedBefore);
                ASSERT_EQ(host.MessageBoxes().size(), 1u);
                EXPECT_EQ(host.MessageBoxes()[0].owner, &dlg);
                EXPECT_EQ(host.MessageBoxes()[0].caption, "Kestrow");
                EXPECT_EQ(host.MessageBoxes()[0].text, kClipboardBusy);
            }
            ExpectPending(dlg, kBevelDefaults, "CMD: Bevel Scale");
            host.LetGoOfClipboard();
        });
    }
}

// The road every sender takes, without any window of ours.
TEST_F(EditorLinkTest, DeliveryOnItsOwnSaysWhatHappened) {
    using kestrow::DeliveryResult;
    ui::WindowRef log = host.AddTopLevelWindow("Unreal Log Window");
    EXPECT_EQ(kestrow::DeliverToEditor(host, "POLY TEXPAN U=4"), DeliveryResult::NoEditor);
    ui::WindowRef commandLine = host.AddChildWindow(log);
    host.HoldClipboard();
    EXPECT_EQ(kestrow::DeliverToEditor(host, "POLY TEXPAN U=4"), DeliveryResult::ClipboardBusy);
    EXPECT_TRUE(host.PostedMessages().empty());
    host.LetGoOfClipboard();
    EXPECT_EQ(kestrow::DeliverToEditor(host, "POLY TEXPAN U=4"), DeliveryResult::Delivered);
    EXPECT_EQ(host.Clipboard(), "POLY TEXPAN U=4");
    ExpectOneDelivery(0, commandLine);
}

} // namespace
