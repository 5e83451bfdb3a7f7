#include "ui/Dialog.h"

#include "ui/DataExchange.h"

#include <cctype>
#include <cstdlib>

namespace {
ui::WindowHost* g_host = nullptr;
CDialog* g_mainWindow = nullptr;
} // namespace

namespace ui {

WindowHost& Host() {
    if (g_host == nullptr)
        std::abort(); // nothing may open a window before the program chose its host
    return *g_host;
}

void SetHost(WindowHost* host) {
    g_host = host;
}

CDialog* MainWindow() {
    return g_mainWindow;
}
void SetMainWindow(CDialog* dialog) {
    g_mainWindow = dialog;
}

// Our labels hold no "&&", which shows one "&".
char AccessKeyOf(const std::string& text) {
    const std::size_t at = text.find('&');
    return at < text.size() - 1
               ? static_cast<char>(std::toupper(static_cast<unsigned char>(text[at + 1])))
               : 0;
}

std::string WithoutAccessKeys(std::string text) {
    std::erase(text, '&');
    return text;
}

int DialogKeyCommand(DialogKey key, int focusedPushButton, int defaultButton) {
    if (key == DialogKey::Escape)
        return kIdCancel;
    if (focusedPushButton != 0)
        return focusedPushButton;
    return defaultButton != 0 ? defaultButton : kIdOk;
}

int TabSwitchStep(DialogKey key, KeyModifiers modifiers) {
    if (!modifiers.ctrl || modifiers.alt)
        return 0;
    switch (key) {
    case DialogKey::Tab:
        return modifiers.shift ? -1 : 1;
    case DialogKey::PageDown:
        return 1;
    case DialogKey::PageUp:
        return -1;
    default:
        return 0;
    }
}

} // namespace ui

CDialog::CDialog(int templateId, CDialog* parent, std::span<const ui::FieldLabel> labels)
    : m_templateId(templateId), m_pParent(parent), m_labels(labels) {}

CDialog::~CDialog() = default;

ui::DialogWindow& CDialog::Window() const {
    if (m_pWindow == nullptr)
        std::abort(); // a dialog operation before its window exists is a programming error
    return *m_pWindow;
}

int CDialog::DoModal() {
    CDialog* owner = m_pParent;
    if (owner == nullptr && ui::MainWindow() != this)
        owner = ui::MainWindow();
    return ui::Host().RunModal(*this, owner);
}

bool CDialog::Create(int templateId, CDialog* parent) {
    m_templateId = templateId;
    if (parent != nullptr)
        m_pParent = parent;
    if (m_pParent == nullptr)
        m_pParent = ui::MainWindow();
    if (m_pParent == nullptr)
        return false;
    m_childWindow = ui::Host().CreateChild(*this, *m_pParent);
    return m_childWindow != nullptr;
}

void CDialog::DestroyWindow() {
    if (m_childWindow) {
        m_childWindow.reset();
        m_pWindow = nullptr;
    }
}

bool CDialog::UpdateData(bool saveAndValidate) {
    CDataExchange dx(*this, Window(), saveAndValidate);
    DoDataExchange(&dx);
    return !dx.m_bFailed;
}

void CDialog::ShowWindow(ui::ShowCommand command) {
    Window().Show(command);
}

void CDialog::EndDialog(int result) {
    Window().EndDialog(result);
}

bool CDialog::IsIconic() const {
    return Window().IsIconic();
}

void CDialog::ShowMessage(const std::string& text) {
    MessageBox(text, ui::kAppName);
}

void CDialog::MessageBox(const std::string& text, const std::string& caption) {
    Window().ShowMessageBox(text, caption);
}

bool CDialog::OnInitDialog() {
    for (const ui::FieldLabel& label : m_labels)
        Window().LabelField(label);
    UpdateData(false);
    return true;
}

bool CDialog::OnCommand(int id, int code) {
    if (code != ui::kBnClicked)
        return false;
    if (id == ui::kIdOk) {
        OnOK();
        return true;
    }
    if (id == ui::kIdCancel) {
        OnCancel();
        return true;
    }
    return false;
}

bool CDialog::OnNotify(int, int, long&) {
    return false;
}

bool CDialog::OnSysCommand(unsigned) {
    return false;
}

bool CDialog::OnPaint() {
    return false;
}

void CDialog::OnClose() {
    OnCancel();
}

ui::IconHandle CDialog::OnQueryDragIcon() {
    return 0;
}

bool CDialog::OnSwitchTabKey(int) {
    return false;
}

bool CDialog::OnAccessKey(char key) {
    const char wanted = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    for (const ui::FieldLabel& label : m_labels) {
        if (label.label != nullptr && ui::AccessKeyOf(label.label) == wanted)
            return Window().FocusItem(label.fieldId);
    }
    return false;
}

void CDialog::DoDataExchange(CDataExchange*) {}

void CDialog::OnOK() {
    if (!UpdateData(true))
        return;
    EndDialog(ui::kIdOk);
}

void CDialog::OnCancel() {
    EndDialog(ui::kIdCancel);
}
