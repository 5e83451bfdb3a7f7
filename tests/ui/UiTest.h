#pragma once

#include "app/MainDlg.h"
#include "pages/BevelScalePage.h"
#include "res/resource.h"
#include "tests/support/UiDriver.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

// The main window run modally around a test body, as the program runs it, on this
// build's host: in memory natively, on real windows in the Windows build.
class UiTest : public ::testing::Test {
protected:
    UiTest() : m_driver(uitest::MakeUiDriver()), driver(*m_driver) {}
    ~UiTest() override { ui::SetMainWindow(nullptr); }

    void SetUp() override {
        if (!uitest::CanShowWindows())
            GTEST_SKIP() << "no display to create windows on";
    }

    // Returns the main window's end code. Each run starts with no message boxes
    // recorded, so that a table's cases do not see those of the cases before.
    int RunMainWindow(const std::function<void(CMainDlg&)>& body) {
        driver.ClearMessageBoxes();
        CMainDlg dlg(driver.Desktop());
        ui::SetMainWindow(&dlg);
        driver.OnNextModal([&](CDialog&) { body(dlg); });
        int result = dlg.DoModal();
        ui::SetMainWindow(nullptr);
        return result;
    }

    void ExpectNothingPending(const CMainDlg& dlg) {
        EXPECT_EQ(driver.Text(dlg, IDC_MAIN_COMMAND), "");
        EXPECT_EQ(driver.Text(dlg, IDC_MAIN_CMD_LABEL), "CMD: ( None )");
        EXPECT_FALSE(driver.IsEnabled(dlg, IDC_MAIN_APPLY));
        EXPECT_FALSE(driver.IsEnabled(dlg, IDC_MAIN_REMOTE));
    }
    void ExpectPending(const CMainDlg& dlg, const std::string& command, const std::string& label) {
        EXPECT_EQ(driver.Text(dlg, IDC_MAIN_COMMAND), command);
        EXPECT_EQ(driver.Text(dlg, IDC_MAIN_CMD_LABEL), label);
        EXPECT_TRUE(driver.IsEnabled(dlg, IDC_MAIN_APPLY));
        EXPECT_TRUE(driver.IsEnabled(dlg, IDC_MAIN_REMOTE));
    }
    void PublishBevelDefaults(CMainDlg& dlg) {
        driver.SelectTab(dlg, IDC_MAIN_TABS, 1);
        driver.Click(*dlg.BevelScalePage(), IDC_BS_CMD);
    }

private:
    std::unique_ptr<uitest::UiDriver> m_driver;

protected:
    uitest::UiDriver& driver;
};
