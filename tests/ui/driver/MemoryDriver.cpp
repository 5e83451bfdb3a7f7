// The native build's driver: the in-memory host itself, on the program's
// compiled resources.
#include "tests/support/MemoryHost.h"

namespace uitest {

std::unique_ptr<UiDriver> MakeUiDriver() {
    return std::make_unique<ui::MemoryHost>(ui::LoadResFile(KESTROW_RES_PATH));
}

bool CanShowWindows() {
    return true;
}

} // namespace uitest
