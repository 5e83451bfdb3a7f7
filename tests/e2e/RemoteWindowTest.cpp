// The remote window of the real program: how it opens over the minimised main
// window, its Apply against the stand-in editor with every kind of command
// line, and the way back.

#include "Clipboard.h"
#include "KestrowBesideEditor.h"

namespace e2e {
namespace {

constexpr const char* kRemoteCaption = "Kestrow Remote";

class RemoteWindowTest : public KestrowBesideEditorTest {
protected:
    std::optional<DialogWindow> OpenRemote() {
        std::optional<DialogWindow> remote = app.ClickForDialog(app.MainItem(IDC_MAIN_REMOTE));
        // The main window is minimised before the remote window opens.
        if (remote && !app.Sync())
            return std::nullopt;
        return remote;
    }

    // Back from the remote window: the main window in its normal state, the
    // command still pending.
    void ExpectRecalled(const std::string& command, const std::string& label) {
        EXPECT_TRUE(WaitUntil([&] { return !IsIconic(app.Main()); }));
        EXPECT_TRUE(IsWindowEnabled(app.Main()));
        EXPECT_TRUE(IsWindowVisible(app.Main()));
        EXPECT_TRUE(IsPending(command, label));
    }
};

// Each press makes the editor execute exactly the command, whatever the mapper
// left typed in its command line.
TEST_P(RemoteWindowTest, OpensOnTopOverTheMinimisedMainWindowAndAppliesEachPress) {
    PublishBevel();
    const std::optional<DialogWindow> remote = OpenRemote();
    ASSERT_TRUE(remote);
    EXPECT_EQ(remote->caption, kRemoteCaption);
    EXPECT_TRUE(IsIconic(app.Main()));
    EXPECT_FALSE(IsWindowEnabled(app.Main()));
    EXPECT_TRUE(GetWindowLongA(remote->window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongA(remote->window, GWL_STYLE) & WS_SYSMENU) << "no close button";
    HWND apply = GetDlgItem(remote->window, IDC_REMOTE_APPLY);
    EXPECT_EQ(ReadText(apply), "Bevel Scale");

    for (const char* leftover : {"TEXALIGN", "", "abc"}) {
        ASSERT_TRUE(editor.Drain()); // typed after the press before has been handled
        ASSERT_TRUE(editor.TypeInCommandLine(leftover));
        ASSERT_TRUE(Click(apply));
    }
    ASSERT_TRUE(editor.Drain());

    EXPECT_EQ(editor.LogLines(), std::vector<std::string>(3, kBevelDefaultsCommand));
    EXPECT_EQ(editor.Typed(), "");
    EXPECT_EQ(ClipboardText(), kBevelDefaultsCommand);
    EXPECT_TRUE(IsWindowVisible(remote->window));

    ASSERT_TRUE(app.CloseDialog(*remote, IDCANCEL));
    ExpectRecalled(kBevelDefaultsCommand, kBevelLabel);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, RemoteWindowTest, uitest::EveryKind(), uitest::KindParamName());

} // namespace
} // namespace e2e
