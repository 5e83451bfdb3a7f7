#pragma once

#include "pages/CalcPage.h"
#include "pages/FloorScaleForm.h"

// Tab 2: the Floor Scale page on the dialog layer. Its fields are the members of
// its description's Form; the published command is its only output.
class CFloorScalePage : public CCalcPage, public kestrow::floor_scale::Form {
public:
    explicit CFloorScalePage(CCommandTarget* pMainDlg);

    bool OnCommand(int id, int code) override;
    bool Calculate();

    CEdit m_editLengthY;
    CEdit m_editLengthX;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnCmd();
    void OnSwapSize();
    void OnSwapStretch();
    void OnSwapLengths();
    // Reads the page, exchanges one pair, and rewrites every field; a failed read
    // exchanges nothing. Never calculates, never touches the pending command.
    template <class T> void SwapFields(T& first, T& second);

    static CCommandTarget* s_pMainDlg;
};
