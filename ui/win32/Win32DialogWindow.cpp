#include "ui/win32/Win32DialogWindow.h"

#include "ui/Dialog.h"
#include "ui/IconPlacement.h"

#include <commctrl.h>

#include <cstdlib>

namespace ui {

namespace {

bool IsOfClass(HWND control, const char* name) {
    char className[16] = {};
    GetClassNameA(control, className, sizeof className);
    return lstrcmpiA(className, name) == 0;
}

std::string TextOf(HWND window) {
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// In the window order; the label joins the field's group when the field starts one.
void PlaceBefore(HWND label, HWND field) {
    HWND previous = GetWindow(field, GW_HWNDPREV);
    if (previous != label)
        SetWindowPos(label, previous != nullptr ? previous : HWND_TOP, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if ((GetWindowLongA(field, GWL_STYLE) & WS_GROUP) != 0)
        SetWindowLongA(label, GWL_STYLE, GetWindowLongA(label, GWL_STYLE) | WS_GROUP);
}

} // namespace

Win32DialogWindow& WindowOf(const CDialog& dialog) {
    // Every dialog window of this host is one of ours.
    return static_cast<Win32DialogWindow&>(dialog.Window());
}

Win32DialogWindow::~Win32DialogWindow() {
    Destroy();
}

void Win32DialogWindow::Destroy() {
    HWND hwnd = m_hwnd;
    if (hwnd == nullptr)
        return;
    m_hwnd = nullptr;
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    ::DestroyWindow(hwnd);
}

std::string Win32DialogWindow::GetItemText(int id) const {
    return TextOf(Item(id));
}

void Win32DialogWindow::SetItemText(int id, const std::string& text) {
    SetDlgItemTextA(m_hwnd, id, text.c_str());
}

bool Win32DialogWindow::IsItemChecked(int id) const {
    return IsDlgButtonChecked(m_hwnd, id) == BST_CHECKED;
}

void Win32DialogWindow::SetItemChecked(int id, bool checked) {
    CheckDlgButton(m_hwnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Win32DialogWindow::EnableItem(int id, bool enable) {
    EnableWindow(Item(id), enable ? TRUE : FALSE);
}

bool Win32DialogWindow::FocusItem(int id) {
    HWND control = Item(id);
    if (control == nullptr || !IsWindowVisible(control) || !IsWindowEnabled(control))
        return false;
    SetFocus(control);
    if (IsOfClass(control, "Edit"))
        SendMessageA(control, EM_SETSEL, 0, -1);
    return GetFocus() == control;
}

void Win32DialogWindow::SelectAllItemText(int id) {
    SendMessageA(Item(id), EM_SETSEL, 0, -1);
}

// Of the static texts that read as `label` does, with or without its access
// keys, the one nearest the field. FindWindowEx searches in one request to Wine's
// server, where a walk of the children asks it at every step.
HWND Win32DialogWindow::NearestLabel(HWND field, const std::string& label) const {
    RECT at{};
    GetWindowRect(field, &at);
    HWND nearest = nullptr;
    LONG nearestDistance = 0;
    for (const std::string& text : {label, WithoutAccessKeys(label)}) {
        for (HWND found = nullptr;
             (found = FindWindowExA(m_hwnd, found, "Static", text.c_str())) != nullptr;) {
            RECT place{};
            GetWindowRect(found, &place);
            const LONG distance = labs(place.left - at.left) + labs(place.top - at.top);
            if (nearest == nullptr || distance < nearestDistance) {
                nearest = found;
                nearestDistance = distance;
            }
        }
    }
    return nearest;
}

// A page's fields take the focus only once the main window shows, so their labels
// wait until then; a modal dialog's first focus is announced as it shows.
void Win32DialogWindow::LabelField(const FieldLabel& label) {
    if (IsModal())
        PlaceLabel(label);
    else
        m_pendingLabels.push_back(label);
}

void Win32DialogWindow::PlaceLabel(const FieldLabel& label) {
    HWND field = Item(label.fieldId);
    if (field == nullptr)
        return;
    if (label.label != nullptr) {
        if (HWND shown = NearestLabel(field, label.label)) {
            SetWindowTextA(shown, label.label);
            PlaceBefore(shown, field);
        }
    }
    if (label.name != nullptr)
        PlaceBefore(CreateWindowExA(0, "Static", label.name, WS_CHILD, 0, 0, 0, 0, m_hwnd, nullptr,
                                    GetModuleHandleA(nullptr), nullptr),
                    field);
}

void Win32DialogWindow::AfterShow() {
    for (const FieldLabel& label : m_pendingLabels)
        PlaceLabel(label);
    m_pendingLabels.clear();
    MakeCutTextTip();
}

void Win32DialogWindow::MakeCutTextTip() {
    HWND tip = nullptr;
    for (HWND child = nullptr;
         (child = FindWindowExA(m_hwnd, child, "Edit", nullptr)) != nullptr;) {
        if ((GetWindowLongA(child, GWL_STYLE) & ES_READONLY) == 0)
            continue;
        if (tip == nullptr)
            tip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                  WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        // The tip asks for its text each time it is about to show: the control's
        // text changes, and only then is it known whether it fits.
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_hwnd;
        tool.uId = reinterpret_cast<UINT_PTR>(child);
        tool.lpszText = LPSTR_TEXTCALLBACKA;
        SendMessageA(tip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Win32DialogWindow::FillCutTextTip(NMTTDISPINFOA& tip) {
    HWND control = reinterpret_cast<HWND>(tip.hdr.idFrom);
    m_tipText = GetItemText(GetDlgCtrlID(control));
    RECT shown{};
    SendMessageA(control, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&shown));
    SIZE needed{};
    HDC dc = GetDC(control);
    HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    GetTextExtentPoint32A(dc, m_tipText.c_str(), static_cast<int>(m_tipText.size()), &needed);
    SelectObject(dc, oldFont);
    ReleaseDC(control, dc);
    if (needed.cx <= shown.right - shown.left)
        m_tipText.clear();
    tip.lpszText = m_tipText.data();
}

void Win32DialogWindow::InsertTabItem(int tabId, int index, const std::string& text) {
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text.c_str()); // the control copies the text
    SendMessageA(Item(tabId), TCM_INSERTITEMA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
}

int Win32DialogWindow::GetTabSelection(int tabId) const {
    return static_cast<int>(SendMessageA(Item(tabId), TCM_GETCURSEL, 0, 0));
}

// As a click does: outside button mode, moving the tabs' focus selects the item,
// with TCN_SELCHANGING and TCN_SELCHANGE to the dialog.
void Win32DialogWindow::SwitchTab(int tabId, int index) {
    SendMessageA(Item(tabId), TCM_SETCURFOCUS, static_cast<WPARAM>(index), 0);
}

void Win32DialogWindow::Show(ShowCommand command) {
    ShowWindow(m_hwnd, static_cast<int>(command));
}

bool Win32DialogWindow::IsIconic() const {
    return ::IsIconic(m_hwnd) != FALSE;
}

void Win32DialogWindow::MakeTopmost() {
    SetWindowPos(m_hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

bool Win32DialogWindow::AppendSystemMenuItem(int commandId, const std::string& text) {
    HMENU menu = GetSystemMenu(m_hwnd, FALSE);
    if (menu == nullptr)
        return false;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(commandId), text.c_str());
    return true;
}

void Win32DialogWindow::SetIcons(IconHandle icon) {
    SendMessageA(m_hwnd, WM_SETICON, ICON_BIG, static_cast<LPARAM>(icon));
    SendMessageA(m_hwnd, WM_SETICON, ICON_SMALL, static_cast<LPARAM>(icon));
}

void Win32DialogWindow::PaintMinimizedIcon(IconHandle icon) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hwnd, &paint);
    SendMessageA(m_hwnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    int iconWidth = GetSystemMetrics(SM_CXICON);
    int iconHeight = GetSystemMetrics(SM_CYICON);
    RECT client;
    GetClientRect(m_hwnd, &client);
    IconOrigin origin = CenteredIconOrigin(client.right - client.left, client.bottom - client.top,
                                           iconWidth, iconHeight);
    DrawIcon(dc, origin.x, origin.y, reinterpret_cast<HICON>(icon));
    EndPaint(m_hwnd, &paint);
}

void Win32DialogWindow::ShowMessageBox(const std::string& text, const std::string& caption) {
    MessageBoxA(m_hwnd, text.c_str(), caption.c_str(), MB_OK);
}

void Win32DialogWindow::EndDialog(int result) {
    if (m_kind == Kind::Child)
        ShowWindow(m_hwnd, SW_HIDE);
    else
        ::EndDialog(m_hwnd, result);
}

} // namespace ui
