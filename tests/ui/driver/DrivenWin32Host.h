#pragma once

#include "tests/support/UiDriver.h"
#include "ui/win32/Win32Host.h"

#include <windows.h>

#include <deque>
#include <map>
#include <vector>

namespace uitest {

// The Win32 host, told when a modal run starts so that the body waiting for it
// runs inside its loop; a run with no body waiting is closed at once.
class DrivenWin32Host : public ui::Win32Host {
public:
    DrivenWin32Host();
    ~DrivenWin32Host() override;
    DrivenWin32Host(const DrivenWin32Host&) = delete;
    DrivenWin32Host& operator=(const DrivenWin32Host&) = delete;

    void OnNextModal(ModalBody body) { m_bodies.push_back(std::move(body)); }
    const std::vector<int>& Runs() const { return m_runs; }
    // The innermost of our modal dialogs that is running.
    HWND RunningModal() const;

    int RunModal(CDialog& dialog, CDialog* owner) override;

private:
    void WaitToRunBody(CDialog& dialog);
    static void CALLBACK OnOpenTick(HWND, UINT, UINT_PTR timer, DWORD);
    void RunBody(UINT_PTR timer);

    static DrivenWin32Host* s_current;
    std::deque<ModalBody> m_bodies;
    std::vector<int> m_runs;
    std::vector<CDialog*> m_running;
    std::map<UINT_PTR, CDialog*> m_waiting;
};

// The window of one of our dialogs, null before it is created and after it goes.
HWND HandleOf(const CDialog& dialog);

} // namespace uitest
