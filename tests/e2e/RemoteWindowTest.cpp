// The remote window of the real program: how it opens over the minimised main
// window, its Apply against the stand-in editor, and the way back.

#include "Clipboard.h"
#include "KestrowFixture.h"
#include "StandInEditorDriver.h"

namespace e2e {
namespace {

constexpr const char* kRemoteCaption = "Kestrow Remote";
constexpr const char* kBevelDefaultsCommand = "POLY TEXSCALE UU=1.000000 VV=1.414214";

class RemoteWindowTest : public KestrowTest {
protected:
    void SetUp() override {
        KestrowTest::SetUp();
        ASSERT_TRUE(editor.Start());
    }

    void Publish(Page page, int cmdButton) {
        ASSERT_TRUE(app.SelectTab(page));
        ASSERT_TRUE(Click(page, cmdButton));
        ASSERT_FALSE(app.Command().empty());
    }

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

    StandInEditorDriver editor;
};

TEST_F(RemoteWindowTest, OpensOnTopOverTheMinimisedMainWindowAndAppliesEachPress) {
    Publish(Page::BevelScale, IDC_BS_CMD);
    const std::optional<DialogWindow> remote = OpenRemote();
    ASSERT_TRUE(remote);
    EXPECT_EQ(remote->caption, kRemoteCaption);
    EXPECT_TRUE(IsIconic(app.Main()));
    EXPECT_FALSE(IsWindowEnabled(app.Main()));
    EXPECT_TRUE(GetWindowLongA(remote->window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongA(remote->window, GWL_STYLE) & WS_SYSMENU) << "no close button";
    HWND apply = GetDlgItem(remote->window, IDC_REMOTE_APPLY);
    EXPECT_EQ(ReadText(apply), "Bevel Scale");

    for (int press = 0; press < 3; ++press)
        ASSERT_TRUE(Click(apply));
    ASSERT_TRUE(editor.Drain());

    EXPECT_EQ(editor.LogLines(), std::vector<std::string>(3, kBevelDefaultsCommand));
    EXPECT_EQ(ClipboardText(), kBevelDefaultsCommand);
    EXPECT_TRUE(IsWindowVisible(remote->window));

    ASSERT_TRUE(app.CloseDialog(*remote, IDCANCEL));
    ExpectRecalled(kBevelDefaultsCommand, "CMD: Bevel Scale");
}

} // namespace
} // namespace e2e
