#pragma once

#include <cstdint>
#include <memory>
#include <string>

class CDialog;

namespace ui {

using IconHandle = std::uintptr_t;

// Command ids and notification codes the logic dispatches on; the values are the
// platform's, so the Win32 host passes them through unchanged.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kNoEndCode = -1;
inline constexpr int kBnClicked = 0;
inline constexpr int kTcnSelChange = -551;
inline constexpr int kTcnSelChanging = -552;

// The caption of the program's message boxes.
inline constexpr const char* kAppName = "Kestrow";

enum class ShowCommand { Hide = 0, ShowNormal = 1, Show = 5, Minimize = 6 }; // SW_ values
enum class DialogKey { Enter, Escape, Tab, PageUp, PageDown };
struct KeyModifiers {
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// What a field's label becomes as its window is made. A screen reader names an
// edit by the static text just before it in the window order, and an access key
// leads to the control after its label, so each label is moved there.
struct FieldLabel {
    int fieldId;
    // The field's label in the template, as it reads with its access key ("&"
    // before the letter); null for a field whose label stays as it is.
    const char* label;
    // The field's name, where its visible label names it poorly: an invisible
    // label of its own, just before the field.
    const char* name = nullptr;
};

// The letter after a text's first "&", upper-cased; 0 when there is none.
char AccessKeyOf(const std::string& text);
// The text as it shows, without its "&" marks.
std::string WithoutAccessKeys(std::string text);

// The host's window for one dialog: every operation the logic performs on a
// dialog and its controls, addressed by control id.
class DialogWindow {
public:
    virtual ~DialogWindow() = default;

    virtual std::string GetItemText(int id) const = 0;
    virtual void SetItemText(int id, const std::string& text) = 0;
    virtual bool IsItemChecked(int id) const = 0;
    virtual void SetItemChecked(int id, bool checked) = 0;
    virtual void EnableItem(int id, bool enable) = 0;
    // Moves the keyboard focus to the control, if it is shown and enabled; an edit
    // gets its whole text selected. False when the control did not take the focus.
    virtual bool FocusItem(int id) = 0;
    virtual void SelectAllItemText(int id) = 0;
    // Puts the field's label (of the static texts that read as it does, the one
    // nearest the field), then its invisible name, just before the field in the
    // window order. A label put before a field that starts a group starts it.
    virtual void LabelField(const FieldLabel& label) = 0;

    virtual void InsertTabItem(int tabId, int index, const std::string& text) = 0;
    virtual int GetTabSelection(int tabId) const = 0;
    // Selects the item the way a click on it does: TCN_SELCHANGING to the dialog,
    // then, unless refused, the new selection and TCN_SELCHANGE.
    virtual void SwitchTab(int tabId, int index) = 0;

    virtual void Show(ShowCommand command) = 0;
    virtual bool IsIconic() const = 0;
    virtual void MakeTopmost() = 0;
    // Appends a separator and the item; false when the window has no system menu.
    virtual bool AppendSystemMenuItem(int commandId, const std::string& text) = 0;
    virtual void SetIcons(IconHandle icon) = 0;
    // Paints the icon centred in the client area of the minimised window.
    virtual void PaintMinimizedIcon(IconHandle icon) = 0;
    virtual void ShowMessageBox(const std::string& text, const std::string& caption) = 0;
    // Ends a modal dialog's loop, or hides a modeless one.
    virtual void EndDialog(int result) = 0;
};

// The window system as the dialogs see it: creates them from their templates.
class WindowHost {
public:
    virtual ~WindowHost() = default;

    // Runs the dialog modally, its owner disabled meanwhile; returns its end code,
    // or kNoEndCode when its window could not be made.
    virtual int RunModal(CDialog& dialog, CDialog* owner) = 0;
    // Creates the dialog as a modeless child of the parent; the window lives until
    // the returned object is destroyed.
    virtual std::unique_ptr<DialogWindow> CreateChild(CDialog& dialog, CDialog& parent) = 0;

    virtual std::string LoadStringResource(int id) = 0;
    virtual IconHandle LoadIconResource(int id) = 0;
};

// The host every dialog talks to: the Win32 one in the program, the in-memory one
// in tests.
WindowHost& Host();
void SetHost(WindowHost* host);

} // namespace ui
