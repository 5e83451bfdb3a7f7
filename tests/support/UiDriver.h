#pragma once

#include "link/Desktop.h"
#include "tests/support/EditorCommandLine.h"
#include "ui/WindowHost.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDialog;

namespace uitest {

struct MessageBoxRecord {
    // The top-level window of ours that owns the box; a page's box belongs to the
    // main window, as a child window cannot own one.
    const CDialog* owner;
    std::string text;
    std::string caption;
};

struct PostedMessage {
    kestrow::WindowRef target;
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

struct EnableRecord {
    const CDialog* dialog;
    int id;
    bool enabled;
};

using ModalBody = std::function<void(CDialog&)>;

// Drives our dialogs as a user would and reads what the user would see, on the
// host the test program was built for: the in-memory one natively, real windows
// in the Windows build. The same test runs on both.
class UiDriver {
public:
    virtual ~UiDriver() = default;

    // The desktop of other programs' windows that the main window is given.
    virtual kestrow::Desktop& Desktop() = 0;

    // The next modal window runs the body once it is open and waiting for input,
    // and is closed as by its close button if the body left it open. A modal
    // window with no body waiting is closed at once.
    virtual void OnNextModal(ModalBody body) = 0;
    // The templates of the modal windows run so far, in order.
    virtual std::vector<int> ModalRuns() const = 0;

    // User actions; each does nothing and answers false where a user could not
    // do it: a hidden or disabled control, or a window disabled under a modal one.
    virtual bool Type(CDialog& dialog, int id, const std::string& text) = 0;
    virtual bool Click(CDialog& dialog, int id) = 0;
    // Clicks the tab; true when it became the selected one.
    virtual bool SelectTab(CDialog& dialog, int tabId, int index) = 0;
    // A key pressed where the keyboard focus is.
    virtual void PressKey(ui::DialogKey key, ui::KeyModifiers modifiers = {}) = 0;
    // Alt and the letter, pressed where the keyboard focus is.
    virtual void PressAccessKey(char letter) = 0;
    virtual void SystemCommand(CDialog& dialog, unsigned id) = 0;
    // The caption's close button.
    virtual void Close(CDialog& dialog) = 0;

    // What a user sees.
    virtual std::string Text(const CDialog& dialog, int id) const = 0;
    // What a screen reader calls the control.
    virtual std::string AccessibleName(const CDialog& dialog, int id) const = 0;
    virtual bool IsChecked(const CDialog& dialog, int id) const = 0;
    virtual bool IsEnabled(const CDialog& dialog, int id) const = 0;
    // Whether the dialog itself is shown, whatever the windows around it are.
    virtual bool IsDialogVisible(const CDialog& dialog) const = 0;
    virtual bool IsDialogEnabled(const CDialog& dialog) const = 0;
    virtual bool IsDialogIconic(const CDialog& dialog) const = 0;
    virtual bool IsDialogTopmost(const CDialog& dialog) const = 0;
    // The edit's whole text is selected.
    virtual bool IsTextSelected(const CDialog& dialog, int id) const = 0;
    virtual std::vector<std::string> TabItems(const CDialog& dialog, int tabId) const = 0;
    // The system menu's items, a separator as an empty text.
    virtual std::vector<std::string> SystemMenuItems(const CDialog& dialog) const = 0;
    virtual ui::IconHandle Icon(const CDialog& dialog) const = 0;
    // The dialog holding the keyboard focus and the control in it, 0 when the
    // dialog holds it itself; null when none of our dialogs has it.
    virtual CDialog* FocusDialog() const = 0;
    virtual int FocusId() const = 0;

    // Every message box is answered with OK as it opens, and recorded.
    virtual std::vector<MessageBoxRecord> MessageBoxes() const = 0;
    virtual void ClearMessageBoxes() = 0;
    std::vector<std::string> MessageTexts() const;

    // Every change of a control's enabled state since the log was last started,
    // in order.
    virtual std::vector<EnableRecord> EnableLog() const = 0;
    virtual void StartEnableLog() = 0;

    // Windows of another program: a top-level window with a title (and a class
    // of that name, where one is given), its children, and the messages posted
    // to them. They last until removed.
    virtual kestrow::WindowRef AddTopLevelWindow(const std::string& title,
                                                 const std::string& className = {}) = 0;
    virtual kestrow::WindowRef AddChildWindow(kestrow::WindowRef parent) = 0;
    // A command line of that kind in the window (for Unreal 227 the display and
    // the command box, which is returned); what the mapper types into it; and,
    // once it has taken what was posted to it, what it executed and what is left
    // typed in it.
    virtual kestrow::WindowRef AddCommandLine(kestrow::WindowRef parent, CommandLineKind kind) = 0;
    // The editor's log window as that kind's build makes it, and its command line.
    kestrow::WindowRef AddEditor(CommandLineKind kind) {
        const LogWindowNames names = LogWindowOf(kind);
        return AddCommandLine(AddTopLevelWindow(names.title, names.className), kind);
    }
    virtual void TypeInto(kestrow::WindowRef commandLine, const std::string& text) = 0;
    virtual std::vector<std::string> Executed(kestrow::WindowRef commandLine) = 0;
    virtual std::string Typed(kestrow::WindowRef commandLine) = 0;
    virtual void RemoveOutsideWindows() = 0;
    // Takes what was posted to them first, as the other program would.
    virtual std::vector<PostedMessage> PostedMessages() = 0;

    // The clipboard's text, and another program that holds the clipboard open
    // until it lets go.
    virtual std::string Clipboard() const = 0;
    virtual void SetClipboard(const std::string& text) = 0;
    virtual void HoldClipboard() = 0;
    virtual void LetGoOfClipboard() = 0;
};

// The driver of this build's host, which it installs as the dialogs' host for
// its lifetime.
std::unique_ptr<UiDriver> MakeUiDriver();
// False where this build's host has no display to show windows on.
bool CanShowWindows();

} // namespace uitest
