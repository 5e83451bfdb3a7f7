#pragma once

#include "ui/WindowHost.h"

#include <memory>
#include <span>
#include <string>

class CDataExchange;

// Our stand-in for the dialog framework's dialog: a window built from a resource
// template, its data exchange, and the default OK, Cancel and close handling.
class CDialog {
public:
    // `labels`: what the window makes of its fields' labels (ui::FieldLabel).
    explicit CDialog(int templateId, CDialog* parent = nullptr,
                     std::span<const ui::FieldLabel> labels = {});
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    int TemplateId() const { return m_templateId; }
    CDialog* Parent() const { return m_pParent; }

    int DoModal();
    // Creates the dialog as a modeless child; with no parent, of the main window.
    bool Create(int templateId, CDialog* parent = nullptr);
    void DestroyWindow();
    bool HasWindow() const { return m_pWindow != nullptr; }
    ui::DialogWindow& Window() const;

    bool UpdateData(bool saveAndValidate = true);
    void ShowWindow(ui::ShowCommand command);
    void EndDialog(int result);
    bool IsIconic() const;
    // A message box owned by this dialog, with the application's caption.
    void ShowMessage(const std::string& text);
    void MessageBox(const std::string& text, const std::string& caption);

    // Entry points for the host, one per window message the dialogs handle.
    virtual bool OnInitDialog();
    virtual bool OnCommand(int id, int code);
    virtual bool OnNotify(int id, int code, long& result);
    // False asks for the platform's default processing.
    virtual bool OnSysCommand(unsigned id);
    virtual bool OnPaint();
    virtual void OnClose();
    virtual ui::IconHandle OnQueryDragIcon();
    // Ctrl+Tab and the like, pressed anywhere in the dialog, pages included: step
    // is 1 for the next tab and -1 for the previous one. False when unused.
    virtual bool OnSwitchTabKey(int step);
    // Alt and a letter, pressed anywhere in the dialog: the focus goes to the
    // field whose label has that access key. False when no field took it.
    virtual bool OnAccessKey(char key);

    // Called by the host around the life of the dialog's window.
    void AttachWindow(ui::DialogWindow* window) { m_pWindow = window; }

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();
    virtual void OnCancel();

private:
    int m_templateId;
    CDialog* m_pParent;
    std::span<const ui::FieldLabel> m_labels;
    ui::DialogWindow* m_pWindow = nullptr;
    std::unique_ptr<ui::DialogWindow> m_childWindow;
};

namespace ui {

// The application's main window: owner of dialogs run without a parent, and parent
// of modeless dialogs created without one.
CDialog* MainWindow();
void SetMainWindow(CDialog* dialog);

// The command that Enter or Escape sends to the dialog that holds the focus: the
// focused push button, else the dialog's default button, else OK; Escape is Cancel.
int DialogKeyCommand(DialogKey key, int focusedPushButton, int defaultButton);

// The tab step a key asks for: 1 for Ctrl+Tab and Ctrl+Page Down, -1 for
// Ctrl+Shift+Tab and Ctrl+Page Up, 0 for any other key.
int TabSwitchStep(DialogKey key, KeyModifiers modifiers);

} // namespace ui
