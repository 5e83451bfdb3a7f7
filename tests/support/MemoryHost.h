#pragma once

#include "tests/support/CompiledResources.h"
#include "tests/support/MemoryDesktop.h"
#include "tests/support/UiDriver.h"
#include "ui/WindowHost.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CDialog;

namespace ui {

class MemoryWindow;

// A window system held in memory, for tests: every dialog is built from its real
// compiled resource template, user actions are simulated, and every message box
// and modal run is recorded. It is the dialog suite's driver natively, and for
// its lifetime the dialogs' host, with its desktop the program's.
class MemoryHost : public WindowHost, public uitest::UiDriver {
public:
    explicit MemoryHost(Resources resources, std::unique_ptr<kestrow::MemoryDesktop> desktop =
                                                 std::make_unique<kestrow::MemoryDesktop>());
    ~MemoryHost() override;
    MemoryHost(const MemoryHost&) = delete;
    MemoryHost& operator=(const MemoryHost&) = delete;

    // A modal run with no body waiting is closed at once, as by its close button.
    void OnNextModal(uitest::ModalBody body) override;
    std::vector<int> ModalRuns() const override { return m_modalRuns; }

    // User actions; each is ignored where a user could not do it (a hidden or
    // disabled control, a disabled window).
    bool Type(CDialog& dialog, int id, const std::string& text) override;
    bool Click(CDialog& dialog, int id) override;
    bool SelectTab(CDialog& dialog, int tabId, int index) override;
    void PressKey(DialogKey key, KeyModifiers modifiers = {}) override;
    void PressAccessKey(char letter) override;
    void SystemCommand(CDialog& dialog, unsigned id) override;
    void Close(CDialog& dialog) override;
    void Paint(CDialog& dialog);

    // What a user would see.
    std::string Text(const CDialog& dialog, int id) const override;
    // An edit is named as Wine names it: by the nearest static text before it.
    std::string AccessibleName(const CDialog& dialog, int id) const override;
    bool IsChecked(const CDialog& dialog, int id) const override;
    bool IsEnabled(const CDialog& dialog, int id) const override;
    bool IsVisible(const CDialog& dialog, int id) const;
    bool IsDialogVisible(const CDialog& dialog) const override;
    bool IsDialogEnabled(const CDialog& dialog) const override;
    bool IsDialogIconic(const CDialog& dialog) const override;
    bool IsDialogTopmost(const CDialog& dialog) const override;
    bool IsTextSelected(const CDialog& dialog, int id) const override;
    std::vector<std::string> TabItems(const CDialog& dialog, int tabId) const override;
    std::vector<std::string> SystemMenuItems(const CDialog& dialog) const override;
    IconHandle Icon(const CDialog& dialog) const override;
    int PaintedIcons(const CDialog& dialog) const;
    CDialog* FocusDialog() const override;
    int FocusId() const override;
    std::vector<uitest::MessageBoxRecord> MessageBoxes() const override { return m_messageBoxes; }
    void ClearMessageBoxes() override { m_messageBoxes.clear(); }
    // Every change of a control's enabled state, in the order the code made it.
    std::vector<uitest::EnableRecord> EnableLog() const override { return m_enableLog; }
    void StartEnableLog() override { m_enableLog.clear(); }

    // Outside windows, the clipboard and the messages posted to them.
    kestrow::MemoryDesktop& Desktop() override { return *m_desktop; }
    kestrow::WindowRef AddTopLevelWindow(const std::string& title,
                                         const std::string& className = {}) override {
        return m_desktop->AddTopLevelWindow(title, className);
    }
    kestrow::WindowRef AddChildWindow(kestrow::WindowRef parent) override {
        return m_desktop->AddChildWindow(parent);
    }
    kestrow::WindowRef AddCommandLine(kestrow::WindowRef parent,
                                      uitest::CommandLineKind kind) override {
        return m_desktop->AddCommandLine(parent, kind);
    }
    void TypeInto(kestrow::WindowRef commandLine, const std::string& text) override {
        m_desktop->TypeInto(commandLine, text);
    }
    std::vector<std::string> Executed(kestrow::WindowRef commandLine) override {
        return m_desktop->Executed(commandLine);
    }
    std::string Typed(kestrow::WindowRef commandLine) override {
        return m_desktop->Typed(commandLine);
    }
    void RemoveOutsideWindows() override { m_desktop->RemoveOutsideWindows(); }
    std::vector<uitest::PostedMessage> PostedMessages() override {
        return m_desktop->PostedMessages();
    }
    std::string Clipboard() const override { return m_desktop->Clipboard(); }
    void SetClipboard(const std::string& text) override { m_desktop->SetClipboard(text); }
    void HoldClipboard() override { m_desktop->HoldClipboard(); }
    void LetGoOfClipboard() override { m_desktop->LetGoOfClipboard(); }

    // WindowHost
    int RunModal(CDialog& dialog, CDialog* owner) override;
    std::unique_ptr<DialogWindow> CreateChild(CDialog& dialog, CDialog& parent) override;
    std::string LoadStringResource(int id) override;
    IconHandle LoadIconResource(int id) override;

private:
    friend class MemoryWindow;

    std::unique_ptr<MemoryWindow> MakeWindow(CDialog& dialog, MemoryWindow* parent, bool modal);
    MemoryWindow& WindowOf(const CDialog& dialog) const;
    void Register(MemoryWindow* window);
    void Unregister(MemoryWindow* window);
    void Initialise(CDialog& dialog, MemoryWindow& window);
    // The modal dialog the focus is in; null when no reachable window has it.
    MemoryWindow* FocusModal() const;

    Resources m_resources;
    std::vector<MemoryWindow*> m_windows;
    std::vector<uitest::ModalBody> m_bodies;
    std::vector<int> m_modalRuns;
    std::vector<uitest::MessageBoxRecord> m_messageBoxes;
    std::vector<uitest::EnableRecord> m_enableLog;
    MemoryWindow* m_focusWindow = nullptr;
    int m_focusId = 0;
    std::unique_ptr<kestrow::MemoryDesktop> m_desktop;
};

} // namespace ui
