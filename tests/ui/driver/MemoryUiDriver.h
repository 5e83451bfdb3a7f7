#pragma once

#include "UiDriver.h"
#include "tests/support/MemoryHost.h"

namespace uitest {

// The driver over the in-memory host. Tests that need what only a simulation
// offers (time that passes only when the logic pauses, counted paints) reach the
// host through it.
class MemoryUiDriver : public UiDriver {
public:
    MemoryUiDriver();
    ~MemoryUiDriver() override;

    ui::MemoryHost& Host() { return m_host; }

    void OnNextModal(ModalBody body) override { m_host.OnNextModal(std::move(body)); }
    std::vector<int> ModalRuns() const override { return m_host.ModalRuns(); }

    bool Type(CDialog& dialog, int id, const std::string& text) override {
        return m_host.Type(dialog, id, text);
    }
    bool Click(CDialog& dialog, int id) override { return m_host.Click(dialog, id); }
    bool SelectTab(CDialog& dialog, int tabId, int index) override {
        return m_host.SelectTab(dialog, tabId, index);
    }
    void PressKey(ui::DialogKey key, ui::KeyModifiers modifiers) override {
        m_host.PressKey(key, modifiers);
    }
    void SystemCommand(CDialog& dialog, unsigned id) override { m_host.SystemCommand(dialog, id); }
    void Close(CDialog& dialog) override { m_host.Close(dialog); }

    std::string Text(const CDialog& dialog, int id) const override {
        return m_host.Text(dialog, id);
    }
    bool IsChecked(const CDialog& dialog, int id) const override {
        return m_host.IsChecked(dialog, id);
    }
    bool IsEnabled(const CDialog& dialog, int id) const override {
        return m_host.IsEnabled(dialog, id);
    }
    bool IsDialogVisible(const CDialog& dialog) const override {
        return m_host.IsDialogVisible(dialog);
    }
    bool IsDialogEnabled(const CDialog& dialog) const override {
        return m_host.IsDialogEnabled(dialog);
    }
    bool IsDialogIconic(const CDialog& dialog) const override {
        return m_host.IsDialogIconic(dialog);
    }
    bool IsDialogTopmost(const CDialog& dialog) const override {
        return m_host.IsDialogTopmost(dialog);
    }
    bool IsTextSelected(const CDialog& dialog, int id) const override {
        return m_host.IsTextSelected(dialog, id);
    }
    std::vector<std::string> TabItems(const CDialog& dialog, int tabId) const override {
        return m_host.TabItems(dialog, tabId);
    }
    std::vector<std::string> SystemMenuItems(const CDialog& dialog) const override {
        return m_host.SystemMenuItems(dialog);
    }
    ui::IconHandle Icon(const CDialog& dialog) const override { return m_host.Icon(dialog); }
    CDialog* FocusDialog() const override { return m_host.FocusDialog(); }
    int FocusId() const override { return m_host.FocusId(); }

    std::vector<MessageBoxRecord> MessageBoxes() const override;
    void ClearMessageBoxes() override { m_host.ClearMessageBoxes(); }

    std::vector<EnableRecord> EnableLog() const override;
    void ClearEnableLog() override { m_host.ClearEnableLog(); }

    ui::WindowRef AddTopLevelWindow(const std::string& title) override {
        return m_host.AddTopLevelWindow(title);
    }
    ui::WindowRef AddChildWindow(ui::WindowRef parent) override {
        return m_host.AddChildWindow(parent);
    }
    void RemoveOutsideWindows() override { m_host.RemoveOutsideWindows(); }
    std::vector<PostedMessage> PostedMessages() override;

    std::string Clipboard() const override { return m_host.Clipboard(); }
    void SetClipboard(const std::string& text) override { m_host.SetClipboard(text); }
    void HoldClipboard() override { m_host.HoldClipboard(); }
    void LetGoOfClipboard() override { m_host.LetGoOfClipboard(); }

private:
    ui::MemoryHost m_host;
};

} // namespace uitest
