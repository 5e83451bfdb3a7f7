// Apply in the real program against the stand-in editor, another process, with
// every kind of command line: what the editor executes and what the clipboard
// holds.

#include "Clipboard.h"
#include "KestrowBesideEditor.h"

namespace e2e {
namespace {

constexpr const char* kClipboardBefore = "left on the clipboard by the test";

using EditorLinkTest = KestrowBesideEditorTest;

// The editor's own command line adds a paste to what is typed there: whatever
// the mapper left, the editor executes exactly the pending command, and nothing
// reaches any other child.
TEST_P(EditorLinkTest, ApplyMakesTheEditorExecuteExactlyThePendingCommand) {
    ASSERT_TRUE(SetClipboardText(kClipboardBefore));
    PublishBevel();
    ASSERT_TRUE(editor.TypeInCommandLine("abc"));
    ASSERT_EQ(editor.Typed(), "abc");

    ASSERT_TRUE(Click(app.MainItem(IDC_MAIN_APPLY)));
    ASSERT_TRUE(editor.Drain());

    EXPECT_EQ(editor.LogLines(), std::vector<std::string>{kBevelDefaultsCommand});
    EXPECT_EQ(editor.Typed(), "");
    EXPECT_EQ(ClipboardText(), kBevelDefaultsCommand);
    LRESULT selection = 0;
    ASSERT_TRUE(SendWithin(app.MainItem(IDC_MAIN_COMMAND), EM_GETSEL, 0, 0, &selection));
    EXPECT_EQ(LOWORD(selection), 0u);
    EXPECT_EQ(static_cast<std::size_t>(HIWORD(selection)),
              std::string(kBevelDefaultsCommand).size());
    EXPECT_TRUE(IsPending(kBevelDefaultsCommand, kBevelLabel));
}

// The editor reads the clipboard only when it gets to the paste: each Apply
// waits until the editor has taken the command before, so none takes another's
// place, even while a long command holds back all three.
TEST_P(EditorLinkTest, EveryApplyWaitsItsTurnWhileTheEditorIsBusy) {
    PublishBevel();
    ASSERT_TRUE(editor.KeepBusy(Millis{1500}));
    ASSERT_TRUE(Click(app.MainItem(IDC_MAIN_APPLY)));
    ASSERT_TRUE(Type(Page::BevelScale, IDC_BS_RISE, "48"));
    ASSERT_TRUE(Click(Page::BevelScale, IDC_BS_CMD));
    ASSERT_TRUE(Click(app.MainItem(IDC_MAIN_APPLY)));
    ASSERT_TRUE(app.SelectTab(Page::FloorScale));
    ASSERT_TRUE(Click(Page::FloorScale, IDC_FS_CMD));
    ASSERT_TRUE(Click(app.MainItem(IDC_MAIN_APPLY)));
    ASSERT_TRUE(editor.Drain());

    EXPECT_EQ(editor.LogLines(), (std::vector<std::string>{
                                     kBevelDefaultsCommand, "POLY TEXSCALE UU=1.000000 VV=1.600000",
                                     "POLY TEXSCALE UU=0.500000 VV=0.500000"}));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, EditorLinkTest, uitest::EveryKind(), uitest::KindParamName());

} // namespace
} // namespace e2e
