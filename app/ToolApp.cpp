#include "app/ToolApp.h"

#include "app/MainDlg.h"

bool CToolApp::InitInstance() {
    CMainDlg dlg;
    ui::SetMainWindow(&dlg);
    dlg.DoModal();
    ui::SetMainWindow(nullptr);
    return false;
}
