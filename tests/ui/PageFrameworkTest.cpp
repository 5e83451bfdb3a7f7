#include "UiTest.h"

#include "pages/BevelScalePage.h"
#include "res/resource.h"

#include <vector>

namespace {

constexpr int kTabBevel = 1;

using PageFrameworkTest = UiTest;

TEST_F(PageFrameworkTest, EnterInAPageFieldChangesNothing) {
    int result = RunMainWindow([&](CMainDlg& dlg) {
        CBevelScalePage& page = *dlg.BevelScalePage();
        driver.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel);
        driver.Click(page, IDC_BS_CMD);
        driver.Type(page, IDC_BS_RISE, "0");
        driver.PressKey(ui::DialogKey::Enter);
        EXPECT_TRUE(driver.IsDialogVisible(page));
        EXPECT_TRUE(driver.MessageBoxes().empty());
        EXPECT_EQ(driver.Text(dlg, IDC_MAIN_CMD_LABEL), "CMD: Bevel Scale");
        driver.Close(dlg);
    });
    EXPECT_EQ(result, ui::kIdCancel); // the Enter did not end the program
}

TEST_F(PageFrameworkTest, EscapeHidesThePageUntilItsTabIsChosenAgain) {
    RunMainWindow([&](CMainDlg& dlg) {
        CBevelScalePage& page = *dlg.BevelScalePage();
        driver.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel);
        driver.Type(page, IDC_BS_RISE, "48");
        driver.PressKey(ui::DialogKey::Escape);
        EXPECT_FALSE(driver.IsDialogVisible(page));
        // Hiding a window does not move the focus out of it.
        EXPECT_EQ(driver.FocusDialog(), &page);
        EXPECT_EQ(driver.FocusId(), IDC_BS_RISE);
        driver.SelectTab(dlg, IDC_MAIN_TABS, 0);
        driver.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel);
        EXPECT_TRUE(driver.IsDialogVisible(page));
        EXPECT_EQ(driver.Text(page, IDC_BS_RISE), "48");
    });
}

TEST_F(PageFrameworkTest, ExpressionFieldBounds) {
    struct Case {
        const char* rise;
        bool accepted;
    };
    const Case cases[] = {{"2.5", true},  {"65535", true}, {"1", true},   {"65535.5", false},
                          {"0.5", false}, {"0", false},    {"-1", false}, {"1e9", true},
                          {"@-4", false}, {"2x3", true},   {"", false},   {"99999999999", false}};
    RunMainWindow([&](CMainDlg& dlg) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.rise);
            driver.ClearMessageBoxes();
            CBevelScalePage& page = *dlg.BevelScalePage();
            driver.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel);
            driver.Type(page, IDC_BS_RISE, c.rise);
            driver.Click(page, IDC_BS_CMD);
            EXPECT_EQ(driver.IsEnabled(dlg, IDC_MAIN_APPLY), c.accepted);
            bool rangeMessage = !driver.MessageBoxes().empty() &&
                                driver.MessageBoxes().back().text ==
                                    "Please enter an integer expression from 1 to 65535";
            EXPECT_EQ(rangeMessage, !c.accepted);
        }
    });
}

// A page's template makes a child window, which cannot be made without a parent:
// the page cannot run on its own as a modal window.
TEST_F(PageFrameworkTest, APageCannotRunOnItsOwn) {
    CDialog page(IDD_BEVEL_SCALE);
    EXPECT_EQ(page.DoModal(), ui::kNoEndCode);
    EXPECT_FALSE(page.HasWindow());
    EXPECT_EQ(driver.ModalRuns(), std::vector<int>{IDD_BEVEL_SCALE});
}

} // namespace
