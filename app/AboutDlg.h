#pragma once

#include "ui/Dialog.h"

// Names the program and its version, with credits and the revision history.
class CAboutDlg : public CDialog {
public:
    CAboutDlg();

    bool OnCommand(int id, int code) override;

private:
    void OnCredits();
    void OnRevHistory();
};
