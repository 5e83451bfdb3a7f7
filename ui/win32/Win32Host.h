#pragma once

#include "ui/WindowHost.h"

#include <windows.h>

namespace ui {

// The real window system: dialogs from the module's resource templates, run in
// our own modal loop.
class Win32Host : public WindowHost {
public:
    explicit Win32Host(HINSTANCE instance) : m_instance(instance) {}

    int RunModal(CDialog& dialog, CDialog* owner) override;
    std::unique_ptr<DialogWindow> CreateChild(CDialog& dialog, CDialog& parent) override;

    std::string LoadStringResource(int id) override;
    IconHandle LoadIconResource(int id) override;

private:
    HWND CreateDialogWindow(CDialog& dialog, HWND parentOrOwner);

    HINSTANCE m_instance;
};

} // namespace ui
