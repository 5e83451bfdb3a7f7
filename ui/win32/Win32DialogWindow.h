#pragma once

#include "ui/WindowHost.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

class CDialog;

namespace ui {

// One dialog's window: the dialog operations carried out on a real HWND. The
// object exists before its window (the dialog procedure hands it the HWND during
// WM_INITDIALOG); a child's window goes with the object, a modal one when its
// run ends.
class Win32DialogWindow : public DialogWindow {
public:
    enum class Kind { Modal, Child };

    explicit Win32DialogWindow(Kind kind) : m_kind(kind) {}
    ~Win32DialogWindow() override;
    Win32DialogWindow(const Win32DialogWindow&) = delete;
    Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

    HWND Handle() const { return m_hwnd; }
    bool IsModal() const { return m_kind == Kind::Modal; }

    void AttachHandle(HWND hwnd) { m_hwnd = hwnd; }
    // The window went away under us (its parent was destroyed).
    void ForgetHandle() { m_hwnd = nullptr; }
    // Detaches the dialog first, so that no message of the dying window reaches it.
    void Destroy();

    std::string GetItemText(int id) const override;
    void SetItemText(int id, const std::string& text) override;
    bool IsItemChecked(int id) const override;
    void SetItemChecked(int id, bool checked) override;
    void EnableItem(int id, bool enable) override;
    bool FocusItem(int id) override;
    void SelectAllItemText(int id) override;
    void LabelField(const FieldLabel& label) override;
    // What the dialog procedure posts once the window is made, and what it calls
    // when that arrives: what the start need not wait for. A page's labels, and
    // the tip by which hovering over a read-only edit shows its whole text when
    // the edit cuts it off.
    static constexpr UINT kAfterShow = WM_APP + 1;
    void AfterShow();
    // Fills in the tip about to show for a control: its whole text when that is
    // cut off, else nothing, so that no tip shows.
    void FillCutTextTip(NMTTDISPINFOA& tip);

    void InsertTabItem(int tabId, int index, const std::string& text) override;
    int GetTabSelection(int tabId) const override;
    void SwitchTab(int tabId, int index) override;

    void Show(ShowCommand command) override;
    bool IsIconic() const override;
    void MakeTopmost() override;
    bool AppendSystemMenuItem(int commandId, const std::string& text) override;
    void SetIcons(IconHandle icon) override;
    void PaintMinimizedIcon(IconHandle icon) override;
    void ShowMessageBox(const std::string& text, const std::string& caption) override;
    void EndDialog(int result) override;

private:
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    HWND NearestLabel(HWND field, const std::string& label) const;
    void PlaceLabel(const FieldLabel& label);
    void MakeCutTextTip();

    Kind m_kind;
    HWND m_hwnd = nullptr;
    std::string m_tipText; // the tip shows it after FillCutTextTip returns
    std::vector<FieldLabel> m_pendingLabels;
};

// The window object of a dialog whose window this host created.
Win32DialogWindow& WindowOf(const CDialog& dialog);

} // namespace ui
