#pragma once

#include "tests/support/CompiledResources.h"
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
// compiled resource template, user actions are simulated, and every message box,
// modal run, clipboard write and posted message is recorded.
class MemoryHost : public WindowHost {
public:
    explicit MemoryHost(Resources resources);
    ~MemoryHost() override;

    struct MessageBoxRecord {
        // The top-level window that owns the box: a page's boxes belong to the
        // main window, since a child window cannot own one.
        CDialog* owner;
        std::string text;
        std::string caption;
    };
    struct PostedMessage {
        WindowRef target;
        unsigned message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
    };
    struct EnableRecord {
        const CDialog* dialog;
        int id;
        bool enabled;
    };
    using ModalScript = std::function<void(CDialog&)>;

    // The next modal run calls the script while the dialog is open; a modal run
    // with no script waiting is closed at once, as by its close button.
    void OnNextModal(ModalScript script);
    const std::vector<int>& ModalRuns() const { return m_modalRuns; }

    // User actions; each is ignored where a user could not do it (a hidden or
    // disabled control, a disabled window).
    bool Type(CDialog& dialog, int id, const std::string& text);
    bool Click(CDialog& dialog, int id);
    bool SelectTab(CDialog& dialog, int tabId, int index);
    void PressKey(DialogKey key, KeyModifiers modifiers = {});
    void SystemCommand(CDialog& dialog, unsigned id);
    void Close(CDialog& dialog);
    void Paint(CDialog& dialog);

    // What a user would see.
    std::string Text(const CDialog& dialog, int id) const;
    bool IsChecked(const CDialog& dialog, int id) const;
    bool IsEnabled(const CDialog& dialog, int id) const;
    bool IsVisible(const CDialog& dialog, int id) const;
    bool IsDialogVisible(const CDialog& dialog) const;
    bool IsDialogEnabled(const CDialog& dialog) const;
    bool IsDialogIconic(const CDialog& dialog) const;
    bool IsDialogTopmost(const CDialog& dialog) const;
    bool IsTextSelected(const CDialog& dialog, int id) const;
    std::vector<std::string> TabItems(const CDialog& dialog, int tabId) const;
    std::vector<std::string> SystemMenuItems(const CDialog& dialog) const;
    IconHandle Icon(const CDialog& dialog) const;
    int PaintedIcons(const CDialog& dialog) const;
    CDialog* FocusDialog() const;
    int FocusId() const;
    const std::vector<MessageBoxRecord>& MessageBoxes() const { return m_messageBoxes; }
    std::vector<std::string> MessageTexts() const;
    void ClearMessageBoxes() { m_messageBoxes.clear(); }
    // Every change of a control's enabled state, in the order the code made it.
    const std::vector<EnableRecord>& EnableLog() const { return m_enableLog; }
    void ClearEnableLog() { m_enableLog.clear(); }

    // Outside windows, the clipboard and the messages posted to them.
    WindowRef AddTopLevelWindow(const std::string& title);
    WindowRef AddChildWindow(WindowRef parent);
    void RemoveOutsideWindows() { m_outside.clear(); }
    std::string Clipboard() const { return m_clipboard; }
    void SetClipboard(const std::string& text) { m_clipboard = text; }
    const std::vector<PostedMessage>& PostedMessages() const { return m_posted; }
    // Another program holds the clipboard open until the logic has paused for
    // that long from now; by default, until it is let go.
    static constexpr std::chrono::milliseconds kUntilLetGo = std::chrono::milliseconds::max();
    void HoldClipboard(std::chrono::milliseconds duration = kUntilLetGo);
    void LetGoOfClipboard() { m_clipboardHeldUntil = m_pausedFor; }
    // How long the logic has paused in all.
    std::chrono::milliseconds PausedFor() const { return m_pausedFor; }

    // WindowHost
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
    friend class MemoryWindow;
    struct OutsideWindow {
        std::string title;
        WindowRef parent;
    };

    std::unique_ptr<MemoryWindow> MakeWindow(CDialog& dialog, MemoryWindow* parent, bool modal);
    MemoryWindow& WindowOf(const CDialog& dialog) const;
    void Register(MemoryWindow* window);
    void Unregister(MemoryWindow* window);
    void Initialise(CDialog& dialog, MemoryWindow& window);

    Resources m_resources;
    std::vector<MemoryWindow*> m_windows;
    std::vector<ModalScript> m_scripts;
    std::vector<int> m_modalRuns;
    std::vector<MessageBoxRecord> m_messageBoxes;
    std::vector<EnableRecord> m_enableLog;
    MemoryWindow* m_focusWindow = nullptr;
    int m_focusId = 0;
    std::vector<OutsideWindow> m_outside;
    std::string m_clipboard;
    std::chrono::milliseconds m_pausedFor{0};
    std::chrono::milliseconds m_clipboardHeldUntil{0};
    std::vector<PostedMessage> m_posted;
};

} // namespace ui
