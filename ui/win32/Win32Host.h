#pragma once

#include "ui/WindowHost.h"

#include <windows.h>

namespace ui {

// The real window system: dialogs from the module's resource templates, run in
// the dialog manager's own modal loop. It offers each message to a message
// filter before it handles it: there our keys go first (RouteDialogKey).
class Win32Host : public WindowHost {
public:
    explicit Win32Host(HINSTANCE instance);
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    int RunModal(CDialog& dialog, CDialog* owner) override;
    std::unique_ptr<DialogWindow> CreateChild(CDialog& dialog, CDialog& parent) override;

    std::string LoadStringResource(int id) override;
    IconHandle LoadIconResource(int id) override;

private:
    HINSTANCE m_instance;
    HHOOK m_keyFilter;
};

} // namespace ui
