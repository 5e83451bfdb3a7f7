#include "UiTest.h"

#include "pages/BevelScalePage.h"
#include "res/resource.h"
#include "tests/support/EveryKind.h"

#include <string>
#include <vector>

namespace {

constexpr const char* kBevelDefaults = "POLY TEXSCALE UU=1.000000 VV=1.414214";
constexpr const char* kClipboardBusy =
    "The command was not sent to the editor because another program is holding the "
    "clipboard. Please try again.";
using Lines = std::vector<std::string>;

using EditorLinkTest = UiTest;

TEST_F(EditorLinkTest, ApplyPastesIntoTheFirstChildAndPressesEnter) {
    kestrow::WindowRef log = driver.AddTopLevelWindow("Unreal Log Window");
    kestrow::WindowRef commandLine = driver.AddCommandLine(log, uitest::CommandLineKind::PlainEdit);
    driver.AddChildWindow(log);
    driver.AddChildWindow(log);
    RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        driver.Click(dlg, IDC_MAIN_APPLY);
        EXPECT_EQ(driver.Clipboard(), kBevelDefaults);
        EXPECT_TRUE(driver.IsTextSelected(dlg, IDC_MAIN_COMMAND));
        EXPECT_EQ(driver.Executed(commandLine), Lines{kBevelDefaults});

        driver.Click(dlg, IDC_MAIN_APPLY);
        EXPECT_EQ(driver.Executed(commandLine), (Lines{kBevelDefaults, kBevelDefaults}));
        EXPECT_EQ(driver.Text(dlg, IDC_MAIN_CMD_LABEL), "CMD: Bevel Scale");
        EXPECT_TRUE(driver.MessageBoxes().empty());
    });
}

TEST_F(EditorLinkTest, StopsSilentlyBeforeTouchingTheClipboard) {
    struct Case {
        const char* name;
        bool logWindow;
        bool child;
        bool publish;
        bool commandLine = true;
    };
    const Case cases[] = {
        {"no command pending", true, true, false},
        {"editor not running", false, false, true},
        {"log window without children", true, false, true},
        {"log window whose first child is no edit control", true, true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        driver.RemoveOutsideWindows();
        driver.SetClipboard("kept");
        driver.AddTopLevelWindow("Some Other Window");
        if (c.logWindow) {
            kestrow::WindowRef log = driver.AddTopLevelWindow("Unreal Log Window");
            if (c.child && c.commandLine)
                driver.AddCommandLine(log, uitest::CommandLineKind::PlainEdit);
            else if (c.child)
                driver.AddChildWindow(log);
        }
        RunMainWindow([&](CMainDlg& dlg) {
            if (c.publish)
                PublishBevelDefaults(dlg);
            const std::size_t postedBefore = driver.PostedMessages().size();
            dlg.SendCommandToEditor();
            EXPECT_EQ(driver.Clipboard(), "kept");
            EXPECT_EQ(driver.PostedMessages().size(), postedBefore);
            EXPECT_TRUE(driver.MessageBoxes().empty());
            EXPECT_EQ(driver.IsEnabled(dlg, IDC_MAIN_APPLY), c.publish);
        });
    }
}

// Another program keeps the clipboard: nothing is sent, and the box that says so
// belongs to the window whose Apply was pressed, the remote window included.
TEST_F(EditorLinkTest, AClipboardKeptElsewhereIsReported) {
    kestrow::WindowRef commandLine = driver.AddEditor(uitest::CommandLineKind::PlainEdit);
    RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        driver.SetClipboard("copied earlier by the user");
        driver.HoldClipboard();
        driver.Click(dlg, IDC_MAIN_APPLY);
        ASSERT_EQ(driver.MessageBoxes().size(), 1u);
        EXPECT_EQ(driver.MessageBoxes()[0].owner, &dlg);

        driver.OnNextModal([&](CDialog& remote) {
            driver.Click(remote, IDC_REMOTE_APPLY);
            ASSERT_EQ(driver.MessageBoxes().size(), 2u);
            EXPECT_EQ(driver.MessageBoxes()[1].owner, &remote);
        });
        driver.Click(dlg, IDC_MAIN_REMOTE);
        driver.LetGoOfClipboard();

        for (const auto& box : driver.MessageBoxes()) {
            EXPECT_EQ(box.caption, "Kestrow");
            EXPECT_EQ(box.text, kClipboardBusy);
        }
        EXPECT_EQ(driver.Clipboard(), "copied earlier by the user");
        EXPECT_TRUE(driver.Executed(commandLine).empty());
        ExpectPending(dlg, kBevelDefaults, "CMD: Bevel Scale");

        driver.Click(dlg, IDC_MAIN_APPLY);
        EXPECT_EQ(driver.Clipboard(), kBevelDefaults);
        EXPECT_EQ(driver.Executed(commandLine), Lines{kBevelDefaults});
    });
}

class EditorLinkOnEveryKind : public UiTest,
                              public ::testing::WithParamInterface<uitest::CommandLineKind> {};

// The editor's own command line adds a paste to what is typed there: whatever
// the mapper left, Apply and the remote window's Apply make the editor execute
// exactly the pending command.
TEST_P(EditorLinkOnEveryKind, TheEditorExecutesExactlyThePendingCommand) {
    kestrow::WindowRef commandLine = driver.AddEditor(GetParam());
    RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        driver.TypeInto(commandLine, "abc");
        driver.Click(dlg, IDC_MAIN_APPLY);
        EXPECT_EQ(driver.Executed(commandLine), Lines{kBevelDefaults});

        driver.OnNextModal([&](CDialog& remote) {
            driver.TypeInto(commandLine, "TEXALIGN");
            driver.Click(remote, IDC_REMOTE_APPLY);
        });
        driver.Click(dlg, IDC_MAIN_REMOTE);

        EXPECT_EQ(driver.Executed(commandLine), (Lines{kBevelDefaults, kBevelDefaults}));
        EXPECT_EQ(driver.Typed(commandLine), "");
        EXPECT_TRUE(driver.MessageBoxes().empty());
    });
}

INSTANTIATE_TEST_SUITE_P(EveryKind, EditorLinkOnEveryKind, uitest::EveryKind(),
                         uitest::KindParamName());

} // namespace
