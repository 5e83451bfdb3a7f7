#include "ui/win32/WindowPlacement.h"

namespace ui {

namespace {

int Centred(LONG low, LONG high, int size, LONG areaLow, LONG areaHigh) {
    int start = static_cast<int>((low + high) / 2) - size / 2;
    if (start + size > areaHigh)
        start = static_cast<int>(areaHigh) - size;
    if (start < areaLow)
        start = static_cast<int>(areaLow);
    return start;
}

} // namespace

void CenterOverOwner(HWND hwnd, HWND owner) {
    if (owner != nullptr && (!IsWindowVisible(owner) || IsIconic(owner)))
        owner = nullptr;

    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(owner != nullptr ? owner : hwnd, MONITOR_DEFAULTTONEAREST),
                    &monitor);
    const RECT& area = monitor.rcWork;
    RECT centre = area;
    if (owner != nullptr)
        GetWindowRect(owner, &centre);

    RECT window;
    GetWindowRect(hwnd, &window);
    int width = static_cast<int>(window.right - window.left);
    int height = static_cast<int>(window.bottom - window.top);
    int x = Centred(centre.left, centre.right, width, area.left, area.right);
    int y = Centred(centre.top, centre.bottom, height, area.top, area.bottom);
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace ui
