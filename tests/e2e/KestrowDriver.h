#pragma once

#include "ChildProcess.h"
#include "Polling.h"
#include "res/Version.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

inline constexpr const char* kMainCaption = "Kestrow V" KESTROW_VERSION;

// The calculator pages in tab order.
enum class Page { PillarWrap = 0, BevelScale = 1, FloorScale = 2, TextureSkew = 3 };

// A dialog window of the program other than the main window: a message box, the
// about box or the remote window.
struct DialogWindow {
    HWND window = nullptr;
    std::string caption;
    std::string text; // its static texts; for a message box, the message
};

// Drives the real Kestrow.exe from outside, as a user would: through its windows,
// with the messages that reach another process's controls.
class KestrowDriver {
public:
    // Starts Kestrow.exe and waits until its main window shows with all four pages
    // and has finished initialising.
    bool Launch();
    void Kill();
    bool Running() const;
    bool WaitForExit(Millis timeout) const;

    HWND Main() const { return m_main; }
    HWND MainItem(int id) const;
    HWND PageWindow(Page page) const;
    HWND PageItem(Page page, int id) const;
    std::string Command() const;
    std::string CommandLabel() const;

    int SelectedTab() const;
    std::string TabText(int index) const;
    // Clicks the tab with posted mouse input, since the tab control's notifications
    // cannot be sent from another process.
    bool ClickTab(int index) const;
    // Clicks the page's tab and waits until the page shows.
    bool SelectTab(Page page) const;

    // BM_CLICK, waiting for the handler; only for clicks that open no modal window.
    bool Click(HWND button) const;
    // BM_CLICK posted: the handler may open a modal window without blocking the test.
    bool PostClick(HWND button) const;
    // A posted mouse click; moves the focus into an edit or onto a button.
    bool ClickInto(HWND control) const;
    // A posted key press (down and up) to the window.
    bool PressKey(HWND target, WPARAM virtualKey) const;
    // Returns once the program has handled everything sent or posted to it before.
    bool Sync() const;
    HWND Focus() const;

    std::vector<HWND> OpenDialogs() const;
    std::optional<DialogWindow> WaitForNewDialog(const std::vector<HWND>& before,
                                                 Millis timeout = kDefaultTimeout) const;
    // Posts the click, since the handler runs a modal loop, and waits for the window.
    std::optional<DialogWindow> ClickForDialog(HWND button) const;
    // Presses the dialog's button and waits until the dialog has gone.
    bool CloseDialog(const DialogWindow& dialog, int buttonId) const;
    std::optional<DialogWindow> OpenAboutBox() const;

private:
    bool WaitForMainWindow();
    std::optional<RECT> TabItemRect(int index) const;

    ChildProcess m_process;
    DWORD m_processId = 0;
    HWND m_main = nullptr;
};

} // namespace e2e
