#include "ui/win32/Win32Host.h"

#include "ui/Dialog.h"
#include "ui/win32/DialogProc.h"
#include "ui/win32/ModalLoop.h"
#include "ui/win32/Win32DialogWindow.h"

namespace ui {

namespace {

// A modal dialog's owner is a top-level window, even when the dialog that asked
// for it is a child.
HWND TopLevelOwner(const CDialog* owner) {
    if (owner == nullptr || !owner->HasWindow() || WindowOf(*owner).Handle() == nullptr)
        return nullptr;
    return GetAncestor(WindowOf(*owner).Handle(), GA_ROOT);
}

} // namespace

HWND Win32Host::CreateDialogWindow(CDialog& dialog, HWND parentOrOwner) {
    return CreateDialogParamA(m_instance, MAKEINTRESOURCEA(dialog.TemplateId()), parentOrOwner,
                              DialogProc, reinterpret_cast<LPARAM>(&dialog));
}

int Win32Host::RunModal(CDialog& dialog, CDialog* owner) {
    HWND ownerWindow = TopLevelOwner(owner);
    Win32DialogWindow window(Win32DialogWindow::Kind::Modal, ownerWindow);
    window.DisableOwner();
    dialog.AttachWindow(&window);
    int result = kNoEndCode;
    if (CreateDialogWindow(dialog, ownerWindow) != nullptr) {
        // Templates without WS_VISIBLE still open shown, as a modal dialog does.
        if (!window.HasEnded() && !IsWindowVisible(window.Handle()))
            ShowWindow(window.Handle(), SW_SHOWNORMAL);
        if (window.HasEnded() || RunModalLoop(window))
            result = window.HasEnded() ? window.EndCode() : kIdCancel;
    }

    // The owner is enabled again before the dialog goes, so that activation
    // returns to it and not to some other program's window.
    window.EnableOwner();
    window.Destroy();
    dialog.AttachWindow(nullptr);
    return result;
}

std::unique_ptr<DialogWindow> Win32Host::CreateChild(CDialog& dialog, CDialog& parent) {
    if (!parent.HasWindow() || WindowOf(parent).Handle() == nullptr)
        return nullptr;
    auto window = std::make_unique<Win32DialogWindow>(Win32DialogWindow::Kind::Child, nullptr);
    dialog.AttachWindow(window.get());
    if (CreateDialogWindow(dialog, WindowOf(parent).Handle()) == nullptr) {
        dialog.AttachWindow(nullptr);
        return nullptr;
    }
    return window;
}

std::string Win32Host::LoadStringResource(int id) {
    std::string text(256, '\0');
    for (;;) {
        int length = LoadStringA(m_instance, static_cast<UINT>(id), text.data(),
                                 static_cast<int>(text.size()));
        // A string that filled the buffer may have been cut short: try a bigger one.
        if (length < static_cast<int>(text.size()) - 1) {
            text.resize(static_cast<std::size_t>(length));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

IconHandle Win32Host::LoadIconResource(int id) {
    return reinterpret_cast<IconHandle>(LoadIconA(m_instance, MAKEINTRESOURCEA(id)));
}

} // namespace ui
