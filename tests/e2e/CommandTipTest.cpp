// The command box is narrower than the longest commands, a result box than the
// longest results: hovering over a read-only box shows its whole text in a tip
// when it is cut off, and nothing when it fits.

#include "KestrowFixture.h"
#include "Polling.h"

namespace e2e {
namespace {

constexpr const char* kBevelDefaultsCommand = "POLY TEXSCALE UU=1.000000 VV=1.414214";
constexpr const char* kFourTermSkewCommand =
    "POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.0000 VU=-0.5000";

class CommandTipTest : public KestrowTest {
protected:
    // The mouse comes to rest over the box, from outside the window.
    void HoverOver(HWND control) {
        RECT box{};
        GetWindowRect(control, &box);
        SetCursorPos(box.left - 40, box.top - 40);
        Sleep(100);
        SetCursorPos((box.left + box.right) / 2 - 2, (box.top + box.bottom) / 2);
        Sleep(50);
        SetCursorPos((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    }

    // The text of Kestrow's tip on show, empty while none is.
    std::string ShownTip() const {
        for (HWND window : TopLevelWindowsOf(ProcessOf(app.Main()))) {
            if (ClassOf(window) == "tooltips_class32" && IsWindowVisible(window))
                return ReadText(window);
        }
        return {};
    }
};

TEST_F(CommandTipTest, ShowsTheWholeCommandOnlyWhenTheBoxCutsItOff) {
    ASSERT_TRUE(app.SelectTab(Page::BevelScale));
    ASSERT_TRUE(Click(Page::BevelScale, IDC_BS_CMD));
    ASSERT_EQ(app.Command(), kBevelDefaultsCommand);
    HoverOver(app.MainItem(IDC_MAIN_COMMAND));
    // Well past the tip's delay, and none has shown.
    EXPECT_FALSE(WaitUntil([&] { return !ShownTip().empty(); }, Millis{2000}));

    ASSERT_TRUE(app.SelectTab(Page::TextureSkew));
    ASSERT_TRUE(Click(Page::TextureSkew, IDC_TS_HORZ_SKEW));
    ASSERT_TRUE(Click(Page::TextureSkew, IDC_TS_CMD));
    ASSERT_EQ(app.Command(), kFourTermSkewCommand);
    HoverOver(app.MainItem(IDC_MAIN_COMMAND));
    EXPECT_TRUE(WaitUntil([&] { return ShownTip() == kFourTermSkewCommand; }))
        << "tip shown: \"" << ShownTip() << "\"";
}

TEST_F(CommandTipTest, ShowsTheWholeResultOnlyWhenTheBoxCutsItOff) {
    const struct {
        int id;
        const char* tip;
    } results[] = {{IDC_PW_CIRCUMFERENCE, ""}, {IDC_PW_BEST_SCALE, "1.65685424973267"}};
    ASSERT_TRUE(Click(Page::PillarWrap, IDC_PW_CMD_BEST_SCALE));
    for (const auto& result : results) {
        SCOPED_TRACE(result.id);
        HoverOver(Item(Page::PillarWrap, result.id));
        EXPECT_EQ(WaitUntil([&] { return !ShownTip().empty(); }, Millis{2000}), *result.tip != 0);
        EXPECT_EQ(ShownTip(), result.tip);
    }
}

} // namespace
} // namespace e2e
