#include "MemoryHostFixture.h"

#include "pages/BevelScalePage.h"
#include "res/resource.h"

namespace {

constexpr int kTabBevel = 1;

using PageFrameworkTest = MemoryHostTest;

TEST_F(PageFrameworkTest, EnterInAPageFieldChangesNothing) {
    int result = RunMainWindow([&](CMainDlg& dlg) {
        CBevelScalePage& page = *dlg.BevelScalePage();
        host.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel);
        host.Click(page, IDC_BS_CMD);
        host.Type(page, IDC_BS_RISE, "0");
        host.PressKey(ui::DialogKey::Enter);
        EXPECT_TRUE(host.IsDialogVisible(page));
        EXPECT_TRUE(host.MessageBoxes().empty());
        EXPECT_EQ(host.Text(dlg, IDC_MAIN_CMD_LABEL), "CMD: Bevel Scale");
        host.Close(dlg);
    });
    EXPECT_EQ(result, ui::kIdCancel); // the Enter did not end the program
}

TEST_F(PageFrameworkTest, EscapeHidesThePageUntilItsTabIsChosenAgain) {
    RunMainWindow([&](CMainDlg& dlg) {
        CBevelScalePage& page = *dlg.BevelScalePage();
        host.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel);
        host.Type(page, IDC_BS_RISE, "48");
        host.PressKey(ui::DialogKey::Escape);
        EXPECT_FALSE(host.IsDialogVisible(page));
        host.SelectTab(dlg, IDC_MAIN_TABS, 0);
        host.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel);
        EXPECT_TRUE(host.IsDialogVisible(page));
        EXPECT_EQ(host.Text(page, IDC_BS_RISE), "48");
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
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rise);
        RunMainWindow([&](CMainDlg& dlg) {
            CBevelScalePage& page = *dlg.BevelScalePage();
            host.SelectTab(dlg, IDC_MAIN_TABS, kTabBevel);
            host.Type(page, IDC_BS_RISE, c.rise);
            host.Click(page, IDC_BS_CMD);
            EXPECT_EQ(host.IsEnabled(dlg, IDC_MAIN_APPLY), c.accepted);
            bool rangeMessage = !host.MessageBoxes().empty() &&
                                host.MessageBoxes().back().text ==
                                    "Please enter an integer expression from 1 to 65535";
            EXPECT_EQ(rangeMessage, !c.accepted);
        });
    }
}

} // namespace
