#pragma once

#include "app/MainDlg.h"
#include "pages/BevelScalePage.h"
#include "res/resource.h"
#include "ui/memory/MemoryHost.h"

#include <gtest/gtest.h>

#include <functional>

// A fresh in-memory window system built from the program's compiled resources,
// and the main window run modally around a test body, as the program runs it.
class MemoryHostTest : public ::testing::Test {
protected:
    MemoryHostTest() : host(ui::LoadResFile(KESTROW_RES_PATH)) { ui::SetHost(&host); }
    ~MemoryHostTest() override {
        ui::SetMainWindow(nullptr);
        ui::SetHost(nullptr);
    }

    // Returns the main window's end code. Each run starts with no message boxes
    // recorded, so that a table's cases do not see those of the cases before.
    int RunMainWindow(const std::function<void(CMainDlg&)>& body) {
        host.ClearMessageBoxes();
        CMainDlg dlg;
        ui::SetMainWindow(&dlg);
        host.OnNextModal([&](CDialog&) { body(dlg); });
        int result = dlg.DoModal();
        ui::SetMainWindow(nullptr);
        return result;
    }

    void ExpectNothingPending(const CMainDlg& dlg) {
        EXPECT_EQ(host.Text(dlg, IDC_MAIN_COMMAND), "");
        EXPECT_EQ(host.Text(dlg, IDC_MAIN_CMD_LABEL), "CMD: ( None )");
        EXPECT_FALSE(host.IsEnabled(dlg, IDC_MAIN_APPLY));
        EXPECT_FALSE(host.IsEnabled(dlg, IDC_MAIN_REMOTE));
    }
    void ExpectPending(const CMainDlg& dlg, const std::string& command, const std::string& label) {
        EXPECT_EQ(host.Text(dlg, IDC_MAIN_COMMAND), command);
        EXPECT_EQ(host.Text(dlg, IDC_MAIN_CMD_LABEL), label);
        EXPECT_TRUE(host.IsEnabled(dlg, IDC_MAIN_APPLY));
        EXPECT_TRUE(host.IsEnabled(dlg, IDC_MAIN_REMOTE));
    }
    void PublishBevelDefaults(CMainDlg& dlg) {
        host.SelectTab(dlg, IDC_MAIN_TABS, 1);
        host.Click(*dlg.BevelScalePage(), IDC_BS_CMD);
    }

    ui::MemoryHost host;
};
