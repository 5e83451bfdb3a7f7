// Apply in the real program when the clipboard is busy or the editor's command
// line is not empty: the editor executes exactly the pending command or nothing.

#include "Clipboard.h"
#include "KestrowFixture.h"
#include "StandInEditorDriver.h"
#include "StandInEditorProtocol.h"
#include "tests/ui/driver/ClipboardHolder.h"

namespace e2e {
namespace {

constexpr const char* kBevelDefaultsCommand = "POLY TEXSCALE UU=1.000000 VV=1.414214";
constexpr const char* kBevelLabel = "CMD: Bevel Scale";
constexpr const char* kCopiedEarlier = "copied earlier by the user";
constexpr const char* kClipboardBusy =
    "The command was not sent to the editor because another program is holding the "
    "clipboard. Please try again.";

using uitest::ClipboardHolder;

class ApplyDeliveryTest : public KestrowTest {
protected:
    void SetUp() override {
        KestrowTest::SetUp();
        ASSERT_TRUE(editor.Start());
        ASSERT_TRUE(SetClipboardText(kCopiedEarlier));
    }

    void PublishBevel() {
        ASSERT_TRUE(app.SelectTab(Page::BevelScale));
        ASSERT_TRUE(Click(Page::BevelScale, IDC_BS_CMD));
        ASSERT_TRUE(IsPending(kBevelDefaultsCommand, kBevelLabel));
    }

    HWND CommandLine() const { return editor.Child(standin::kCommandLineId); }

    StandInEditorDriver editor;
};

TEST_F(ApplyDeliveryTest, AHeldClipboardSendsNothingAndSaysSo) {
    PublishBevel();
    ClipboardHolder holder;
    ASSERT_TRUE(holder.Hold());

    EXPECT_TRUE(ClickExpectingMessages(app.MainItem(IDC_MAIN_APPLY), {kClipboardBusy}));
    ASSERT_TRUE(editor.Drain());
    EXPECT_TRUE(editor.LogLines().empty());
    EXPECT_EQ(ReadText(CommandLine()), "");
    EXPECT_TRUE(IsPending(kBevelDefaultsCommand, kBevelLabel));

    holder.LetGo();
    EXPECT_EQ(ClipboardText(), kCopiedEarlier);
    ASSERT_TRUE(Click(app.MainItem(IDC_MAIN_APPLY)));
    ASSERT_TRUE(editor.Drain());
    EXPECT_EQ(editor.LogLines(), std::vector<std::string>{kBevelDefaultsCommand});
    EXPECT_EQ(ClipboardText(), kBevelDefaultsCommand);
}

TEST_F(ApplyDeliveryTest, TheRemoteWindowSaysSoInABoxOfItsOwn) {
    PublishBevel();
    const std::optional<DialogWindow> remote = app.ClickForDialog(app.MainItem(IDC_MAIN_REMOTE));
    ASSERT_TRUE(remote);
    ClipboardHolder holder;
    ASSERT_TRUE(holder.Hold());

    const std::optional<DialogWindow> box =
        app.ClickForDialog(GetDlgItem(remote->window, IDC_REMOTE_APPLY));
    ASSERT_TRUE(box);
    EXPECT_EQ(box->caption, kAppCaption);
    EXPECT_EQ(box->text, kClipboardBusy);
    EXPECT_EQ(GetWindow(box->window, GW_OWNER), remote->window);
    ASSERT_TRUE(app.CloseDialog(*box, IDOK));
    ASSERT_TRUE(editor.Drain());
    EXPECT_TRUE(editor.LogLines().empty());

    holder.LetGo();
    ASSERT_TRUE(Click(GetDlgItem(remote->window, IDC_REMOTE_APPLY)));
    ASSERT_TRUE(editor.Drain());
    EXPECT_EQ(editor.LogLines(), std::vector<std::string>{kBevelDefaultsCommand});
    ASSERT_TRUE(app.CloseDialog(*remote, IDCANCEL));
}

TEST_F(ApplyDeliveryTest, TextLeftInTheCommandLineIsReplaced) {
    PublishBevel();
    ASSERT_TRUE(WriteText(CommandLine(), "abc"));
    ASSERT_TRUE(SendWithin(CommandLine(), EM_SETSEL, 3, 3)); // the caret after the text

    ASSERT_TRUE(Click(app.MainItem(IDC_MAIN_APPLY)));
    ASSERT_TRUE(editor.Drain());

    EXPECT_EQ(editor.LogLines(), std::vector<std::string>{kBevelDefaultsCommand});
    EXPECT_EQ(ReadText(CommandLine()), "");
}

} // namespace
} // namespace e2e
