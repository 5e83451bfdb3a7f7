#include "DrivenWin32Host.h"

#include "ui/Dialog.h"
#include "ui/win32/Win32DialogWindow.h"

namespace uitest {

namespace {

bool IsOpen(const CDialog& dialog) {
    return HandleOf(dialog) != nullptr && !ui::WindowOf(dialog).HasEnded();
}

} // namespace

HWND HandleOf(const CDialog& dialog) {
    return dialog.HasWindow() ? ui::WindowOf(dialog).Handle() : nullptr;
}

DrivenWin32Host* DrivenWin32Host::s_current = nullptr;

DrivenWin32Host::DrivenWin32Host() : Win32Host(GetModuleHandleA(nullptr)) {
    s_current = this;
}

DrivenWin32Host::~DrivenWin32Host() {
    s_current = nullptr;
}

HWND DrivenWin32Host::RunningModal() const {
    return m_running.empty() ? nullptr : HandleOf(*m_running.back());
}

int DrivenWin32Host::RunModal(CDialog& dialog, CDialog* owner) {
    m_runs.push_back(dialog.TemplateId());
    m_running.push_back(&dialog);
    // A timer ticks only in a loop that waits for input: the run's own loop, once
    // the dialog is open.
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &OnOpenTick);
    m_waiting[timer] = &dialog;
    const int result = Win32Host::RunModal(dialog, owner);
    if (m_waiting.erase(timer) != 0)
        KillTimer(nullptr, timer);
    m_running.pop_back();
    return result;
}

void CALLBACK DrivenWin32Host::OnOpenTick(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (s_current != nullptr)
        s_current->RunBody(timer);
}

void DrivenWin32Host::RunBody(UINT_PTR timer) {
    auto found = m_waiting.find(timer);
    if (found == m_waiting.end())
        return;
    CDialog& dialog = *found->second;
    m_waiting.erase(found);
    if (!m_bodies.empty()) {
        ModalBody body = std::move(m_bodies.front());
        m_bodies.pop_front();
        body(dialog);
    }
    if (IsOpen(dialog))
        SendMessageA(HandleOf(dialog), WM_SYSCOMMAND, SC_CLOSE, 0);
    if (IsOpen(dialog))
        dialog.EndDialog(ui::kIdCancel); // it refused to close: the run must end
}

} // namespace uitest
