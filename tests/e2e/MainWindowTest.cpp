// The main window of the real program: its start state, a refused command, tab
// switches by mouse, the keys that end the program and the about box.

#include "KestrowFixture.h"

namespace e2e {
namespace {

constexpr const char* kBevelDefaultsCommand = "POLY TEXSCALE UU=1.000000 VV=1.414214";
constexpr const char* kBevelLabel = "CMD: Bevel Scale";

using MainWindowTest = KestrowTest;

TEST_F(MainWindowTest, StartsOnPillarWrapWithNothingPending) {
    EXPECT_EQ(app.SelectedTab(), 0);
    const char* tabTexts[] = {"Pillar Wrap", "Bevel Scale", "Floor Scale", "Texture Skew"};
    for (int index = 0; index < 4; ++index)
        EXPECT_EQ(app.TabText(index), tabTexts[index]);

    EXPECT_TRUE(IsWindowVisible(app.PageWindow(Page::PillarWrap)));
    for (Page hidden : {Page::BevelScale, Page::FloorScale, Page::TextureSkew}) {
        ASSERT_NE(app.PageWindow(hidden), nullptr);
        EXPECT_FALSE(IsWindowVisible(app.PageWindow(hidden)));
    }
    EXPECT_TRUE(NothingPending());
    EXPECT_FALSE(IsWindowVisible(app.MainItem(IDC_MAIN_HELP)));
    EXPECT_EQ(app.Focus(), app.MainItem(IDC_MAIN_COMMAND));
}

TEST_F(MainWindowTest, RiseOfZeroIsRefusedAndClearsTheCommand) {
    ASSERT_TRUE(app.SelectTab(Page::BevelScale));
    ASSERT_TRUE(Click(Page::BevelScale, IDC_BS_CMD));
    ASSERT_TRUE(IsPending(kBevelDefaultsCommand, kBevelLabel));
    const std::string shownScale = TextOf(Page::BevelScale, IDC_BS_SCALE);
    ASSERT_TRUE(Type(Page::BevelScale, IDC_BS_RISE, "0"));

    EXPECT_TRUE(
        ClickExpectingMessages(Item(Page::BevelScale, IDC_BS_CMD), {kExpressionRangeMessage}));

    EXPECT_TRUE(NothingPending());
    EXPECT_EQ(app.Focus(), Item(Page::BevelScale, IDC_BS_RISE));
    EXPECT_EQ(TextOf(Page::BevelScale, IDC_BS_SCALE), shownScale);
}

TEST_F(MainWindowTest, TabSwitchClearsTheCommandAndKeepsThePage) {
    ASSERT_TRUE(app.SelectTab(Page::BevelScale));
    ASSERT_TRUE(Type(Page::BevelScale, IDC_BS_RISE, "16*4"));
    ASSERT_TRUE(Click(Page::BevelScale, IDC_BS_CMD));
    ASSERT_TRUE(IsPending(kBevelDefaultsCommand, kBevelLabel));
    const std::string shownScale = TextOf(Page::BevelScale, IDC_BS_SCALE);

    ASSERT_TRUE(app.SelectTab(Page::FloorScale));
    EXPECT_TRUE(NothingPending());
    EXPECT_FALSE(IsWindowVisible(app.PageWindow(Page::BevelScale)));

    ASSERT_TRUE(Click(Page::FloorScale, IDC_FS_CMD));
    ASSERT_TRUE(app.SelectTab(Page::BevelScale));
    EXPECT_TRUE(NothingPending());
    EXPECT_FALSE(IsWindowVisible(app.PageWindow(Page::FloorScale)));
    EXPECT_EQ(TextOf(Page::BevelScale, IDC_BS_RISE), "16*4");
    EXPECT_EQ(TextOf(Page::BevelScale, IDC_BS_SCALE), shownScale);
}

TEST_F(MainWindowTest, ClickingTheSelectedTabKeepsTheCommand) {
    ASSERT_TRUE(app.SelectTab(Page::BevelScale));
    ASSERT_TRUE(Click(Page::BevelScale, IDC_BS_CMD));

    ASSERT_TRUE(app.ClickTab(1));

    EXPECT_TRUE(IsPending(kBevelDefaultsCommand, kBevelLabel));
}

TEST_F(MainWindowTest, EnterInAPageFieldChangesNothing) {
    ASSERT_TRUE(app.SelectTab(Page::BevelScale));
    ASSERT_TRUE(Click(Page::BevelScale, IDC_BS_CMD));
    HWND rise = Item(Page::BevelScale, IDC_BS_RISE);
    ASSERT_TRUE(app.ClickInto(rise));
    ASSERT_EQ(app.Focus(), rise) << DescribeWindow(app.Focus());

    ASSERT_TRUE(app.PressKey(rise, VK_RETURN));
    ASSERT_TRUE(app.Sync());

    EXPECT_TRUE(app.Running());
    EXPECT_TRUE(IsWindowVisible(app.PageWindow(Page::BevelScale)));
    EXPECT_TRUE(IsPending(kBevelDefaultsCommand, kBevelLabel));
}

// Enter or Escape on the main window's own controls ends the program, as does
// the caption's close button.
struct WayOut {
    const char* name;
    UINT message;
    WPARAM wParam;
};

class ProgramEndTest : public KestrowTest, public ::testing::WithParamInterface<WayOut> {};

TEST_P(ProgramEndTest, EndsTheProgram) {
    const WayOut& way = GetParam();
    HWND target = app.Main();
    if (way.message == WM_KEYDOWN) {
        target = app.MainItem(IDC_MAIN_COMMAND);
        ASSERT_EQ(app.Focus(), target);
        ASSERT_TRUE(app.PressKey(target, way.wParam));
    } else {
        ASSERT_TRUE(PostMessageA(target, way.message, way.wParam, 0));
    }
    EXPECT_TRUE(app.WaitForExit(kDefaultTimeout));
}

INSTANTIATE_TEST_SUITE_P(WaysOut, ProgramEndTest,
                         ::testing::Values(WayOut{"EnterInTheCommandBox", WM_KEYDOWN, VK_RETURN},
                                           WayOut{"EscapeInTheCommandBox", WM_KEYDOWN, VK_ESCAPE},
                                           WayOut{"CloseButton", WM_SYSCOMMAND, SC_CLOSE}),
                         CaseName());

int VisibleButtonsOf(HWND dialog) {
    int count = 0;
    for (HWND child : ChildrenOf(dialog))
        if (ClassOf(child) == "Button" && IsWindowVisible(child))
            ++count;
    return count;
}

TEST_F(MainWindowTest, AboutBoxOpensFromTheSystemMenuWithItsTwoMessageBoxes) {
    const std::optional<DialogWindow> about = app.OpenAboutBox();
    ASSERT_TRUE(about);
    EXPECT_EQ(about->caption, "About Kestrow");
    EXPECT_NE(about->text.find("2.00"), std::string::npos) << about->text;
    EXPECT_FALSE(IsWindowEnabled(app.Main()));
    EXPECT_EQ(app.Focus(), GetDlgItem(about->window, IDOK));

    const struct {
        int button;
        const char* caption;
    } boxes[] = {{IDC_ABOUT_CREDITS, "Special Thanks To..."},
                 {IDC_ABOUT_REV_HISTORY, "Rev History"}};
    for (const auto& expected : boxes) {
        const std::optional<DialogWindow> box =
            app.ClickForDialog(GetDlgItem(about->window, expected.button));
        ASSERT_TRUE(box) << expected.caption;
        EXPECT_EQ(box->caption, expected.caption);
        EXPECT_FALSE(box->text.empty());
        EXPECT_EQ(VisibleButtonsOf(box->window), 1);
        EXPECT_FALSE(IsWindowEnabled(about->window));
        ASSERT_TRUE(app.CloseDialog(*box, IDOK));
        EXPECT_TRUE(IsWindowVisible(about->window)) << "the about box closed with its box";
        EXPECT_TRUE(IsWindowEnabled(about->window));
    }

    ASSERT_TRUE(app.CloseDialog(*about, IDOK));
    EXPECT_TRUE(IsWindowEnabled(app.Main()));
    EXPECT_TRUE(app.Running());
}

} // namespace
} // namespace e2e
