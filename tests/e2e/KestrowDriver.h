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
    // Clicks the tab with mouse messages, since the tab control's notifications
    // cannot be sent from another process; returns once the click is handled.
    bool ClickTab(int index) const;
    // Clicks the page's tab and waits until the page shows.
    bool SelectTab(Page page) const;

    // BM_CLICK, waiting for the handler; false when the handler did not return in
    // time, as when it runs a modal window.
    bool Click(HWND button) const;
    // BM_CLICK posted: the handler may open a modal window without blocking the test.
    bool PostClick(HWND button) const;
    // A mouse click, handled when this returns; moves the focus into an edit or
    // onto a button (and presses it).
    bool ClickInto(HWND control) const;
    // A posted key press (down and up) to the window.
    bool PressKey(HWND target, WPARAM virtualKey) const;
    // Returns once the program has handled the few messages posted to it before.
    bool Sync() const;
    HWND Focus() const;

    std::vector<HWND> OpenDialogs() const;
    // The dialogs open now that were not open `before`.
    std::vector<HWND> NewDialogs(const std::vector<HWND>& before) const;
    std::optional<DialogWindow> WaitForNewDialog(const std::vector<HWND>& before,
                                                 Millis timeout = kDefaultTimeout) const;
    // Posts the click, since the handler runs a modal loop, and waits for the window.
    std::optional<DialogWindow> ClickForDialog(HWND button) const;
    // Presses the dialog's button and waits until the dialog has gone.
    bool CloseDialog(const DialogWindow& dialog, int buttonId) const;
    std::optional<DialogWindow> OpenAboutBox() const;
    // A dialog's window, caption and texts.
    static DialogWindow Describe(HWND dialog);

private:
    bool WaitForMainWindow();
    std::optional<RECT> TabItemRect(int index) const;

    ChildProcess m_process;
    DWORD m_processId = 0;
    HWND m_main = nullptr;
};

} // namespace e2e
