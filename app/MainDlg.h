#pragma once

#include "link/EditorLink.h"
#include "pages/CommandTarget.h"
#include "ui/Controls.h"

#include <memory>
#include <string>

class CPillarWrapPage;
class CBevelScalePage;
class CFloorScalePage;
class CTextureSkewPage;

// The tabbed main window: hosts the four calculator pages and holds the one
// pending command, which Apply and the remote window deliver to the editor.
class CMainDlg : public CCommandTarget {
public:
    // Apply reaches the editor through `desktop`.
    explicit CMainDlg(kestrow::Desktop& desktop, CDialog* pParent = nullptr);
    ~CMainDlg() override;

    // The pending command: either none (empty text, "CMD: ( None )", Apply and
    // Remote... disabled) or one page's text and label with both buttons enabled.
    void ClearCommand() override;
    void PublishCommand(const std::string& command, const std::string& label) override;

    // Apply. A delivery refused once the editor was found (the last command not
    // yet taken, a clipboard that cannot be taken, ...) is reported in a message
    // box owned by the window whose button was pressed.
    void SendCommandToEditor();
    void SendCommandToEditor(CDialog& messageOwner) override;

    bool OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    bool OnNotify(int id, int code, long& result) override;
    bool OnSysCommand(unsigned nID) override;
    bool OnPaint() override;
    void OnClose() override;
    ui::IconHandle OnQueryDragIcon() override;
    bool OnSwitchTabKey(int step) override;
    bool OnAccessKey(char key) override;

    CPillarWrapPage* PillarWrapPage() const { return m_pPillarWrap.get(); }
    CBevelScalePage* BevelScalePage() const { return m_pBevelScale.get(); }
    CFloorScalePage* FloorScalePage() const { return m_pFloorScale.get(); }
    CTextureSkewPage* TextureSkewPage() const { return m_pTextureSkew.get(); }

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnSelChangingTab(long& result);
    void OnSelChangeTab(long& result);
    void OnRemote();
    CDialog* Page(int index) const;

    std::unique_ptr<CPillarWrapPage> m_pPillarWrap;
    std::unique_ptr<CBevelScalePage> m_pBevelScale;
    std::unique_ptr<CFloorScalePage> m_pFloorScale;
    std::unique_ptr<CTextureSkewPage> m_pTextureSkew;
    int m_nCurPage = 0;
    CButton m_btnRemote;
    CEdit m_editCommand;
    CButton m_btnApply;
    CTabCtrl m_tabPages;
    std::string m_strCommand;
    std::string m_strCmdLabel;
    ui::IconHandle m_hIcon;
    kestrow::Desktop& m_desktop;
    kestrow::EditorLink m_editorLink;
};
