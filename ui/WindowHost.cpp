#include "ui/WindowHost.h"

#include <cstdlib>

namespace {
ui::WindowHost* g_host = nullptr;
}

namespace ui {

WindowHost& Host() {
    if (g_host == nullptr)
        std::abort(); // nothing may open a window before the program chose its host
    return *g_host;
}

void SetHost(WindowHost* host) {
    g_host = host;
}

} // namespace ui
