#include "WineSettings.h"

#include <windows.h>

#include <string>

namespace e2e {

namespace {

void SetUnmanaged(const char* exeName) {
    const std::string key = std::string("Software\\Wine\\AppDefaults\\") + exeName + "\\X11 Driver";
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &handle, nullptr) != ERROR_SUCCESS)
        return;
    static const char kNo[] = "N";
    RegSetValueExA(handle, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(kNo), sizeof kNo);
    RegCloseKey(handle);
}

} // namespace

void LetWineManageTestedWindows() {
    SetUnmanaged("Kestrow.exe");
    SetUnmanaged("e2e_stand_in_editor.exe");
}

} // namespace e2e
