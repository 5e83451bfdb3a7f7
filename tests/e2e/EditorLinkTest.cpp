// Apply in the real program against the stand-in editor, another process: what
// reaches the editor's command line and what the clipboard holds.

#include "Clipboard.h"
#include "KestrowFixture.h"
#include "StandInEditorDriver.h"
#include "StandInEditorProtocol.h"

namespace e2e {
namespace {

constexpr const char* kBevelDefaultsCommand = "POLY TEXSCALE UU=1.000000 VV=1.414214";
constexpr const char* kClipboardBefore = "left on the clipboard by the test";

class EditorLinkTest : public KestrowTest {
protected:
    void SetUp() override {
        KestrowTest::SetUp();
        ASSERT_TRUE(SetClipboardText(kClipboardBefore));
    }

    void PublishBevel() {
        ASSERT_TRUE(app.SelectTab(Page::BevelScale));
        ASSERT_TRUE(Click(Page::BevelScale, IDC_BS_CMD));
        ASSERT_FALSE(app.Command().empty());
    }

    StandInEditorDriver editor;
};

TEST_F(EditorLinkTest, ApplyPastesIntoTheCommandLineAndPressesEnter) {
    ASSERT_TRUE(editor.Start());
    ASSERT_EQ(editor.Children().front(), editor.Child(standin::kCommandLineId));
    PublishBevel();

    ASSERT_TRUE(Click(app.MainItem(IDC_MAIN_APPLY)));
    ASSERT_TRUE(editor.Drain());

    EXPECT_EQ(editor.LogLines(), std::vector<std::string>{kBevelDefaultsCommand});
    EXPECT_EQ(ClipboardText(), kBevelDefaultsCommand);
    EXPECT_EQ(ReadText(editor.Child(standin::kCommandLineId)), "");
    EXPECT_EQ(ReadText(editor.Child(standin::kNotesId)), standin::kNotesText);
    EXPECT_EQ(ReadText(editor.Child(standin::kCaptionId)), standin::kCaptionText);
    LRESULT selection = 0;
    ASSERT_TRUE(SendWithin(app.MainItem(IDC_MAIN_COMMAND), EM_GETSEL, 0, 0, &selection));
    EXPECT_EQ(LOWORD(selection), 0u);
    EXPECT_EQ(static_cast<std::size_t>(HIWORD(selection)),
              std::string(kBevelDefaultsCommand).size());
    EXPECT_TRUE(IsPending(kBevelDefaultsCommand, "CMD: Bevel Scale"));
}

TEST_F(EditorLinkTest, EveryApplySendsTheCommandOnceInOrder) {
    ASSERT_TRUE(editor.Start());
    PublishBevel();
    ASSERT_TRUE(Click(app.MainItem(IDC_MAIN_APPLY)));
    ASSERT_TRUE(Click(app.MainItem(IDC_MAIN_APPLY)));
    ASSERT_TRUE(Type(Page::BevelScale, IDC_BS_RISE, "48"));
    ASSERT_TRUE(Click(Page::BevelScale, IDC_BS_CMD));
    ASSERT_TRUE(Click(app.MainItem(IDC_MAIN_APPLY)));
    ASSERT_TRUE(editor.Drain());

    EXPECT_EQ(editor.LogLines(),
              (std::vector<std::string>{kBevelDefaultsCommand, kBevelDefaultsCommand,
                                        "POLY TEXSCALE UU=1.000000 VV=1.600000"}));
}

} // namespace
} // namespace e2e
