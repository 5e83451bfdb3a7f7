#pragma once

#include "app/MainDlg.h"
#include "ui/memory/MemoryHost.h"

#include <gtest/gtest.h>

#include <functional>

// A fresh in-memory window system built from the real resource script, and the
// main window run modally around a test body, as the program runs it.
class MemoryHostTest : public ::testing::Test {
protected:
    MemoryHostTest()
        : host(ui::LoadDialogTemplates(KESTROW_RC_PATH, KESTROW_RESOURCE_H_PATH),
               ui::LoadStringTable(KESTROW_RC_PATH, KESTROW_RESOURCE_H_PATH)) {
        ui::SetHost(&host);
    }
    ~MemoryHostTest() override {
        ui::SetMainWindow(nullptr);
        ui::SetHost(nullptr);
    }

    // Returns the main window's end code.
    int RunMainWindow(const std::function<void(CMainDlg&)>& body) {
        CMainDlg dlg;
        ui::SetMainWindow(&dlg);
        host.OnNextModal([&](CDialog&) { body(dlg); });
        int result = dlg.DoModal();
        ui::SetMainWindow(nullptr);
        return result;
    }

    ui::MemoryHost host;
};
