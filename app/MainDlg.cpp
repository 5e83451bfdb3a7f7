#include "app/MainDlg.h"

#include "app/AboutDlg.h"
#include "app/RemoteDlg.h"
#include "pages/BevelScalePage.h"
#include "pages/FloorScalePage.h"
#include "pages/PillarWrapPage.h"
#include "pages/TextureSkewPage.h"
#include "res/resource.h"
#include "ui/DataExchange.h"
#include "ui/MessageMap.h"

#include <chrono>
#include <iterator>

namespace {
constexpr const char* kNoCommandLabel = "CMD: ( None )";
// How long Apply waits for the editor to take the last command before it says
// the editor is busy: long enough for an ordinary command, short enough that a
// mapper is never left wondering.
constexpr std::chrono::seconds kApplyPatience{5};
constexpr const char* kTabTexts[] = {"Pillar Wrap", "Bevel Scale", "Floor Scale", "Texture Skew"};
// The command's label names the command box: "Static" until the first exchange.
constexpr ui::FieldLabel kLabels[] = {{IDC_MAIN_COMMAND, "Static"}};
} // namespace

CMainDlg::CMainDlg(kestrow::Desktop& desktop, CDialog* pParent)
    : CCommandTarget(IDD_MAIN, pParent, kLabels),
      m_hIcon(ui::Host().LoadIconResource(IDR_MAINFRAME)), m_desktop(desktop) {}

// The pages go with the window on every way out, OK and Cancel included.
CMainDlg::~CMainDlg() = default;

void CMainDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MAIN_REMOTE, m_btnRemote);
    DDX_Control(pDX, IDC_MAIN_COMMAND, m_editCommand);
    DDX_Control(pDX, IDC_MAIN_APPLY, m_btnApply);
    DDX_Control(pDX, IDC_MAIN_TABS, m_tabPages);
    DDX_Text(pDX, IDC_MAIN_COMMAND, m_strCommand);
    DDX_Text(pDX, IDC_MAIN_CMD_LABEL, m_strCmdLabel);
}

bool CMainDlg::OnCommand(int id, int code) {
    static const CommandEntry<CMainDlg> map[] = {
        {IDC_MAIN_APPLY, ui::kBnClicked, &CMainDlg::SendCommandToEditor},
        {IDC_MAIN_REMOTE, ui::kBnClicked, &CMainDlg::OnRemote},
    };
    return Dispatch(*this, map, id, code) || CDialog::OnCommand(id, code);
}

bool CMainDlg::OnNotify(int id, int code, long& result) {
    static const NotifyEntry<CMainDlg> map[] = {
        {IDC_MAIN_TABS, ui::kTcnSelChanging, &CMainDlg::OnSelChangingTab},
        {IDC_MAIN_TABS, ui::kTcnSelChange, &CMainDlg::OnSelChangeTab},
    };
    return Dispatch(*this, map, id, code, result) || CDialog::OnNotify(id, code, result);
}

bool CMainDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    std::string aboutMenu = ui::Host().LoadStringResource(IDS_ABOUTBOX);
    if (!aboutMenu.empty())
        Window().AppendSystemMenuItem(IDM_ABOUTBOX, aboutMenu);

    Window().SetIcons(m_hIcon);
    m_btnApply.SetText("&Apply");
    m_btnRemote.SetText("&Remote...");
    ClearCommand();

    for (int index = 0; index < 4; ++index)
        m_tabPages.InsertItem(index, kTabTexts[index]);

    m_pPillarWrap = std::make_unique<CPillarWrapPage>(this);
    m_pBevelScale = std::make_unique<CBevelScalePage>(this);
    m_pFloorScale = std::make_unique<CFloorScalePage>(this);
    m_pTextureSkew = std::make_unique<CTextureSkewPage>(this);
    m_nCurPage = 0;

    m_pPillarWrap->Create(IDD_PILLAR_WRAP);
    m_pBevelScale->Create(IDD_BEVEL_SCALE);
    m_pFloorScale->Create(IDD_FLOOR_SCALE);
    m_pTextureSkew->Create(IDD_TEXTURE_SKEW);
    return true;
}

void CMainDlg::ClearCommand() {
    m_strCommand.clear();
    m_strCmdLabel = kNoCommandLabel;
    m_btnApply.EnableWindow(false);
    m_btnRemote.EnableWindow(false);
    UpdateData(false);
}

void CMainDlg::PublishCommand(const std::string& command, const std::string& label) {
    m_btnApply.EnableWindow(true);
    m_btnRemote.EnableWindow(true);
    m_strCommand = command;
    m_strCmdLabel = label;
    UpdateData(false);
}

// Apply: the pending command goes to the editor. Finding no command, no editor
// or no command line stops silently, before the clipboard is touched; a
// delivery refused after that is reported, since then nothing was sent.
void CMainDlg::SendCommandToEditor() {
    SendCommandToEditor(*this);
}

void CMainDlg::SendCommandToEditor(CDialog& messageOwner) {
    UpdateData(true);
    if (m_strCommand.empty())
        return;
    const kestrow::DeliveryResult result =
        m_editorLink.Deliver(m_desktop, m_strCommand, kApplyPatience);
    if (result == kestrow::DeliveryResult::NoEditor)
        return;
    m_editCommand.SelectAll();
    if (result != kestrow::DeliveryResult::Delivered)
        messageOwner.ShowMessage(kestrow::DeliveryFailureMessage(result, kApplyPatience));
}

CDialog* CMainDlg::Page(int index) const {
    CDialog* const pages[] = {m_pPillarWrap.get(), m_pBevelScale.get(), m_pFloorScale.get(),
                              m_pTextureSkew.get()};
    return index >= 0 && index < static_cast<int>(std::size(pages)) ? pages[index] : nullptr;
}
void CMainDlg::OnSelChangingTab(long& result) {
    if (CDialog* page = Page(m_nCurPage))
        page->ShowWindow(ui::ShowCommand::Hide);
    result = 0;
}

void CMainDlg::OnSelChangeTab(long& result) {
    m_nCurPage = m_tabPages.GetCurSel();
    if (CDialog* page = Page(m_nCurPage))
        page->ShowWindow(ui::ShowCommand::Show);
    ClearCommand();
    result = 0;
}

// The next or previous tab, wrapping around, taken as a click on it would be
// taken: the focus goes to the tabs, and the tab handlers switch the page.
bool CMainDlg::OnSwitchTabKey(int step) {
    constexpr int count = static_cast<int>(std::size(kTabTexts));
    const int next = ((m_tabPages.GetCurSel() + step) % count + count) % count;
    m_tabPages.SetFocus();
    m_tabPages.SetCurFocus(next);
    return true;
}

// The page shown answers for its fields.
bool CMainDlg::OnAccessKey(char key) {
    CDialog* page = Page(m_nCurPage);
    return (page != nullptr && page->OnAccessKey(key)) || CDialog::OnAccessKey(key);
}

bool CMainDlg::OnSysCommand(unsigned nID) {
    if ((nID & 0xFFF0) != IDM_ABOUTBOX)
        return false;
    CAboutDlg dlgAbout;
    dlgAbout.DoModal();
    return true;
}

bool CMainDlg::OnPaint() {
    if (!IsIconic())
        return false;
    Window().PaintMinimizedIcon(m_hIcon);
    return true;
}

ui::IconHandle CMainDlg::OnQueryDragIcon() {
    return m_hIcon;
}

void CMainDlg::OnClose() {
    // Windows first, then the objects, each in tab order; a second close finds
    // no pages left and goes straight on.
    for (int index = 0; index < 4; ++index) {
        if (CDialog* page = Page(index))
            page->DestroyWindow();
    }
    m_pPillarWrap.reset();
    m_pBevelScale.reset();
    m_pFloorScale.reset();
    m_pTextureSkew.reset();
    CDialog::OnClose();
}

void CMainDlg::OnRemote() {
    CRemoteDlg dlgRemote(this);
    dlgRemote.m_strButtonLabel =
        m_strCmdLabel.size() >= 5 ? m_strCmdLabel.substr(5) : std::string();
    ShowWindow(ui::ShowCommand::Minimize);
    dlgRemote.DoModal();
    ShowWindow(ui::ShowCommand::ShowNormal);
}
