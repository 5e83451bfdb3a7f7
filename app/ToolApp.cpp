#include "app/ToolApp.h"

#include "app/MainDlg.h"

bool CToolApp::InitInstance() {
    CMainDlg dlg(*m_desktop);
    ui::SetMainWindow(&dlg);
    dlg.DoModal();
    ui::SetMainWindow(nullptr);
    return false;
}
