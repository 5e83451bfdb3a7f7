#include "UiTest.h"

#include "pages/BevelScalePage.h"
#include "pages/FloorScalePage.h"
#include "pages/PillarWrapPage.h"
#include "pages/TextureSkewPage.h"
#include "res/resource.h"

#include <vector>

namespace {

using ui::DialogKey;
using ui::KeyModifiers;

constexpr KeyModifiers kCtrl{true, false, false};
constexpr KeyModifiers kCtrlShift{true, true, false};

TEST(TabSwitchKeys, ChooseTheStep) {
    struct Case {
        DialogKey key;
        KeyModifiers modifiers;
        int step;
    };
    const Case cases[] = {
        {DialogKey::Tab, kCtrl, 1},
        {DialogKey::Tab, kCtrlShift, -1},
        {DialogKey::PageDown, kCtrl, 1},
        {DialogKey::PageUp, kCtrl, -1},
        {DialogKey::PageDown, kCtrlShift, 1},
        {DialogKey::Tab, {}, 0},
        {DialogKey::Tab, {false, true, false}, 0},
        {DialogKey::PageDown, {}, 0},
        {DialogKey::Tab, {true, false, true}, 0}, // Ctrl+Alt+Tab
        {DialogKey::Enter, kCtrl, 0},
        {DialogKey::Escape, kCtrl, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::TabSwitchStep(c.key, c.modifiers), c.step)
            << static_cast<int>(c.key) << " ctrl " << c.modifiers.ctrl << " shift "
            << c.modifiers.shift << " alt " << c.modifiers.alt;
}

class TabKeysTest : public UiTest {
protected:
    std::vector<const CDialog*> Pages(const CMainDlg& dlg) const {
        return {dlg.PillarWrapPage(), dlg.BevelScalePage(), dlg.FloorScalePage(),
                dlg.TextureSkewPage()};
    }
    void ExpectOnTab(const CMainDlg& dlg, int index) {
        EXPECT_EQ(dlg.Window().GetTabSelection(IDC_MAIN_TABS), index);
        const std::vector<const CDialog*> pages = Pages(dlg);
        for (int page = 0; page < 4; ++page)
            EXPECT_EQ(driver.IsDialogVisible(*pages[page]), page == index) << "page " << page;
    }
};

TEST_F(TabKeysTest, SwitchLikeATabClickAndWrapAround) {
    struct Step {
        DialogKey key;
        KeyModifiers modifiers;
        int tab;
    };
    const Step steps[] = {
        {DialogKey::Tab, kCtrl, 1},      {DialogKey::Tab, kCtrl, 2},
        {DialogKey::Tab, kCtrl, 3},      {DialogKey::Tab, kCtrl, 0},
        {DialogKey::Tab, kCtrlShift, 3}, {DialogKey::PageUp, kCtrl, 2},
        {DialogKey::PageDown, kCtrl, 3}, {DialogKey::PageDown, kCtrl, 0},
        {DialogKey::PageUp, kCtrl, 3},
    };
    RunMainWindow([&](CMainDlg& dlg) {
        for (const Step& step : steps) {
            SCOPED_TRACE(step.tab);
            dlg.PublishCommand("POLY TEXPAN U=-27", "CMD: Simple Pan");
            driver.PressKey(step.key, step.modifiers);
            ExpectOnTab(dlg, step.tab);
            ExpectNothingPending(dlg);
            EXPECT_EQ(driver.FocusDialog(), &dlg);
            EXPECT_EQ(driver.FocusId(), IDC_MAIN_TABS);
        }
    });
}

TEST_F(TabKeysTest, WorkFromInsideAPage) {
    RunMainWindow([&](CMainDlg& dlg) {
        CBevelScalePage& page = *dlg.BevelScalePage();
        PublishBevelDefaults(dlg);
        driver.Type(page, IDC_BS_RISE, "99");
        ASSERT_EQ(driver.FocusDialog(), &page);

        driver.PressKey(DialogKey::Tab, kCtrl);

        ExpectOnTab(dlg, 2);
        ExpectNothingPending(dlg);
        driver.PressKey(DialogKey::Tab, kCtrlShift);
        ExpectOnTab(dlg, 1);
        EXPECT_EQ(driver.Text(page, IDC_BS_RISE), "99"); // a switch keeps the page as it was
    });
}

TEST_F(TabKeysTest, OtherKeysDoNotSwitch) {
    RunMainWindow([&](CMainDlg& dlg) {
        PublishBevelDefaults(dlg);
        for (KeyModifiers modifiers :
             {KeyModifiers{}, KeyModifiers{false, true, false}, KeyModifiers{true, false, true}}) {
            driver.PressKey(DialogKey::Tab, modifiers);
            driver.PressKey(DialogKey::PageDown, modifiers);
        }
        ExpectOnTab(dlg, 1);
        ExpectPending(dlg, "POLY TEXSCALE UU=1.000000 VV=1.414214", "CMD: Bevel Scale");
    });
}

} // namespace
