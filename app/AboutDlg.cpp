#include "app/AboutDlg.h"

#include "app/AboutTexts.h"
#include "res/resource.h"
#include "ui/MessageMap.h"

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

bool CAboutDlg::OnCommand(int id, int code) {
    static const CommandEntry<CAboutDlg> map[] = {
        {IDC_ABOUT_CREDITS, ui::kBnClicked, &CAboutDlg::OnCredits},
        {IDC_ABOUT_REV_HISTORY, ui::kBnClicked, &CAboutDlg::OnRevHistory},
    };
    return Dispatch(*this, map, id, code) || CDialog::OnCommand(id, code);
}

void CAboutDlg::OnCredits() {
    MessageBox(kCreditsText, kCreditsCaption);
}

void CAboutDlg::OnRevHistory() {
    MessageBox(kRevHistoryText, kRevHistoryCaption);
}
