#pragma once

#include "ui/WindowHost.h"

#include <windows.h>

namespace ui {

// The real window system: dialogs from the module's resource templates, run in
// our own modal loop, and the outside windows reached through USER32.
class Win32Host : public WindowHost {
public:
    explicit Win32Host(HINSTANCE instance) : m_instance(instance) {}
    ~Win32Host() override;
    Win32Host(const Win32Host&) = delete;
    Win32Host& operator=(const Win32Host&) = delete;

    int RunModal(CDialog& dialog, CDialog* owner) override;
    std::unique_ptr<DialogWindow> CreateChild(CDialog& dialog, CDialog& parent) override;

    std::string LoadStringResource(int id) override;
    IconHandle LoadIconResource(int id) override;

    WindowRef FindTopLevelWindow(const std::string& title) override;
    void EnumChildWindows(WindowRef parent, bool (*proc)(WindowRef, std::intptr_t),
                          std::intptr_t param) override;
    void PostWindowMessage(WindowRef target, unsigned message, std::uintptr_t wParam,
                           std::intptr_t lParam) override;

    bool WriteClipboardText(const std::string& text) override;
    std::optional<std::string> ReadClipboardText() override;
    void Pause(std::chrono::milliseconds duration) override;

private:
    HWND CreateDialogWindow(CDialog& dialog, HWND parentOrOwner);
    HWND ClipboardOwner();

    HINSTANCE m_instance;
    HWND m_clipboardOwner = nullptr;
};

} // namespace ui
