#include "DrivenWin32Host.h"

#include "ui/Dialog.h"
#include "ui/win32/Win32DialogWindow.h"

namespace uitest {

namespace {

// An ended dialog hides at once, and goes when its run returns.
bool IsOpen(const CDialog& dialog) {
    return IsWindowVisible(HandleOf(dialog)) != FALSE;
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
    WaitToRunBody(dialog);
    const int result = Win32Host::RunModal(dialog, owner);
    for (auto it = m_waiting.begin(); it != m_waiting.end();) {
        if (it->second == &dialog) {
            KillTimer(nullptr, it->first);
            it = m_waiting.erase(it);
        } else {
            ++it;
        }
    }
    m_running.pop_back();
    return result;
}

// A timer ticks only in a loop that waits for input: the run's own loop.
void DrivenWin32Host::WaitToRunBody(CDialog& dialog) {
    m_waiting[SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &OnOpenTick)] = &dialog;
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
    // The dialog manager shows a modal dialog once its queue is first empty.
    if (HandleOf(dialog) != nullptr && !IsOpen(dialog)) {
        WaitToRunBody(dialog);
        return;
    }
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
