#include "app/Desktop.h"

#include <cstdlib>

namespace {
kestrow::Desktop* g_desktop = nullptr;
}

namespace kestrow {

Desktop& TheDesktop() {
    if (g_desktop == nullptr)
        std::abort(); // nothing may reach the desktop before the program chose it
    return *g_desktop;
}

void SetDesktop(Desktop* desktop) {
    g_desktop = desktop;
}

} // namespace kestrow
