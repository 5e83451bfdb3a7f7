// Apply in the real program when another program holds the clipboard, with
// every kind of command line: the editor executes the pending command or
// nothing, and the user is told.

#include "Clipboard.h"
#include "KestrowBesideEditor.h"
#include "tests/ui/driver/ClipboardHolder.h"

namespace e2e {
namespace {

constexpr const char* kCopiedEarlier = "copied earlier by the user";
constexpr const char* kClipboardBusy =
    "The command was not sent to the editor because another program is holding the "
    "clipboard. Please try again.";

using uitest::ClipboardHolder;

class ApplyDeliveryTest : public KestrowBesideEditorTest {
protected:
    void SetUp() override {
        KestrowBesideEditorTest::SetUp();
        ASSERT_TRUE(SetClipboardText(kCopiedEarlier));
    }
};

TEST_P(ApplyDeliveryTest, AHeldClipboardSendsNothingAndSaysSo) {
    PublishBevel();
    ASSERT_TRUE(editor.TypeInCommandLine("abc"));
    ClipboardHolder holder;
    ASSERT_TRUE(holder.Hold());

    EXPECT_TRUE(ClickExpectingMessages(app.MainItem(IDC_MAIN_APPLY), {kClipboardBusy}));
    ASSERT_TRUE(editor.Drain());
    EXPECT_TRUE(editor.LogLines().empty());
    EXPECT_EQ(editor.Typed(), "abc"); // nothing reached the editor
    EXPECT_TRUE(IsPending(kBevelDefaultsCommand, kBevelLabel));

    holder.LetGo();
    EXPECT_EQ(ClipboardText(), kCopiedEarlier);
    ASSERT_TRUE(Click(app.MainItem(IDC_MAIN_APPLY)));
    ASSERT_TRUE(editor.Drain());
    EXPECT_EQ(editor.LogLines(), std::vector<std::string>{kBevelDefaultsCommand});
    EXPECT_EQ(editor.Typed(), "");
    EXPECT_EQ(ClipboardText(), kBevelDefaultsCommand);
}

TEST_P(ApplyDeliveryTest, TheRemoteWindowSaysSoInABoxOfItsOwn) {
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

INSTANTIATE_TEST_SUITE_P(EveryKind, ApplyDeliveryTest, uitest::EveryKind(),
                         uitest::KindParamName());

} // namespace
} // namespace e2e
