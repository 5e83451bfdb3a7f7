// Switching pages from the keyboard in the real program: real key presses, as
// the keyboard sends them to the window that has the focus.

#include "KestrowFixture.h"

#include <initializer_list>
#include <vector>

namespace e2e {
namespace {

constexpr const char* kBevelDefaultsCommand = "POLY TEXSCALE UU=1.000000 VV=1.414214";
constexpr const char* kBevelLabel = "CMD: Bevel Scale";

INPUT KeyInput(WORD virtualKey, bool release) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    if (virtualKey == VK_PRIOR || virtualKey == VK_NEXT)
        input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
    return input;
}

// Presses the keys in order and lets go of them in reverse, like a chord.
bool PressChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back(KeyInput(key, false));
    for (auto key = keys.end(); key != keys.begin();)
        inputs.push_back(KeyInput(*--key, true));
    const auto count = static_cast<UINT>(inputs.size());
    return SendInput(count, inputs.data(), sizeof(INPUT)) == count;
}

class PageKeysTest : public KestrowTest {
protected:
    void SetUp() override {
        KestrowTest::SetUp();
        // Key presses go to the foreground window.
        SetForegroundWindow(app.Main());
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == app.Main(); }));
    }

    void PublishBevel() {
        ASSERT_TRUE(app.SelectTab(Page::BevelScale));
        ASSERT_TRUE(Click(Page::BevelScale, IDC_BS_CMD));
        ASSERT_TRUE(IsPending(kBevelDefaultsCommand, kBevelLabel));
    }

    // Waits for the tab and its page, the only one shown.
    ::testing::AssertionResult OnTab(int index) const {
        const bool switched = WaitUntil([&] {
            if (app.SelectedTab() != index)
                return false;
            for (int page = 0; page < 4; ++page)
                if ((IsWindowVisible(app.PageWindow(static_cast<Page>(page))) != FALSE) !=
                    (page == index))
                    return false;
            return true;
        });
        if (switched)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "tab " << app.SelectedTab() << ", not " << index;
    }
};

TEST_F(PageKeysTest, CtrlTabAndCtrlPageKeysSwitchAndWrapAround) {
    const struct {
        std::initializer_list<WORD> chord;
        int tab;
    } steps[] = {
        {{VK_CONTROL, VK_TAB}, 2},   {{VK_CONTROL, VK_TAB}, 3},
        {{VK_CONTROL, VK_TAB}, 0},   {{VK_CONTROL, VK_NEXT}, 1},
        {{VK_CONTROL, VK_PRIOR}, 0}, {{VK_CONTROL, VK_PRIOR}, 3},
        {{VK_CONTROL, VK_NEXT}, 0},  {{VK_CONTROL, VK_SHIFT, VK_TAB}, 3},
    };
    PublishBevel();
    for (const auto& step : steps) {
        SCOPED_TRACE(step.tab);
        ASSERT_TRUE(PressChord(step.chord));
        ASSERT_TRUE(OnTab(step.tab));
        EXPECT_TRUE(NothingPending());
        EXPECT_EQ(app.Focus(), app.MainItem(IDC_MAIN_TABS)) << DescribeWindow(app.Focus());
    }
}

TEST_F(PageKeysTest, CtrlTabWorksFromInsideAPage) {
    PublishBevel();
    HWND rise = Item(Page::BevelScale, IDC_BS_RISE);
    ASSERT_TRUE(app.ClickInto(rise));
    ASSERT_EQ(app.Focus(), rise);

    ASSERT_TRUE(PressChord({VK_CONTROL, VK_TAB}));

    ASSERT_TRUE(OnTab(2));
    EXPECT_TRUE(NothingPending());
    EXPECT_EQ(TextOf(Page::BevelScale, IDC_BS_RISE), "64");
}

// Ctrl+Tab while a modal window is up, then the key that closes that window: by
// the time it has closed, the Ctrl+Tab before it has been handled.
TEST_F(PageKeysTest, NoSwitchWhileAModalWindowIsUp) {
    PublishBevel();
    const std::optional<DialogWindow> about = app.OpenAboutBox();
    ASSERT_TRUE(about);
    ASSERT_TRUE(PressChord({VK_CONTROL, VK_TAB}));
    ASSERT_TRUE(PressChord({VK_ESCAPE}));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about->window); }));

    const std::optional<DialogWindow> remote = app.ClickForDialog(app.MainItem(IDC_MAIN_REMOTE));
    ASSERT_TRUE(remote);
    ASSERT_TRUE(PressChord({VK_CONTROL, VK_NEXT}));
    ASSERT_TRUE(PressChord({VK_ESCAPE}));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(remote->window); }));
    ASSERT_TRUE(app.Sync());

    EXPECT_EQ(app.SelectedTab(), 1);
    EXPECT_TRUE(IsWindowVisible(app.PageWindow(Page::BevelScale)));
    EXPECT_TRUE(IsPending(kBevelDefaultsCommand, kBevelLabel));

    ASSERT_TRUE(Type(Page::BevelScale, IDC_BS_RISE, "0"));
    const std::vector<HWND> before = app.OpenDialogs();
    ASSERT_TRUE(app.PostClick(Item(Page::BevelScale, IDC_BS_CMD)));
    const std::optional<DialogWindow> box = app.WaitForNewDialog(before);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, kExpressionRangeMessage);
    ASSERT_TRUE(PressChord({VK_CONTROL, VK_TAB}));
    ASSERT_TRUE(PressChord({VK_RETURN}));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box->window); }));
    ASSERT_TRUE(app.Sync());
    EXPECT_EQ(app.SelectedTab(), 1);
    EXPECT_TRUE(IsWindowVisible(app.PageWindow(Page::BevelScale)));
}

} // namespace
} // namespace e2e
