#pragma once

#include "link/Desktop.h"

#include <windows.h>

namespace kestrow {

// The real desktop, reached through USER32.
class Win32Desktop : public Desktop {
public:
    Win32Desktop() = default;
    ~Win32Desktop() override;
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    WindowRef FindTopLevelWindow(const std::string& className, const std::string& title) override;
    std::vector<WindowRef> Children(WindowRef parent) override;
    std::string ClassName(WindowRef window) override;
    bool Exists(WindowRef window) override;
    void Post(WindowRef target, const WindowMessage& message) override;
    std::optional<std::intptr_t> Send(WindowRef target, const WindowMessage& message,
                                      std::chrono::milliseconds timeout) override;

    bool WriteClipboardText(const std::string& text) override;
    std::optional<std::string> ReadClipboardText() override;

    std::chrono::milliseconds Now() override;
    void Pause(std::chrono::milliseconds duration) override;

private:
    HWND ClipboardOwner();

    HWND m_clipboardOwner = nullptr;
};

} // namespace kestrow
