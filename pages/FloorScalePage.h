#pragma once

#include "pages/CalcPage.h"
#include "pages/FloorScaleFields.h"

#include <string>

// Tab 2: per-axis scales that make a number of texture repeats span a face of
// given extent. The published command is the page's only output.
class CFloorScalePage : public CCalcPage {
public:
    explicit CFloorScalePage(CCommandTarget* pMainDlg);

    bool OnCommand(int id, int code) override;
    bool Calculate();

    double m_dScaleV = 1.0;
    double m_dScaleU = 1.0;
    CEdit m_editLengthY;
    CEdit m_editLengthX;
    int m_nTexWidth = kestrow::floor_scale::kTexWidth.initial;
    int m_nTexHeight = kestrow::floor_scale::kTexHeight.initial;
    double m_dStretchX = kestrow::floor_scale::kStretchX.initial;
    double m_dStretchY = kestrow::floor_scale::kStretchY.initial;
    std::string m_strLengthX = kestrow::floor_scale::kLengthX.initial;
    std::string m_strLengthY = kestrow::floor_scale::kLengthY.initial;

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
