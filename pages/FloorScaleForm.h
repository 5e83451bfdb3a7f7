#pragma once

#include "pages/CommandText.h"
#include "pages/FloorScaleCalc.h"
#include "pages/PageForm.h"
#include "res/resource.h"

#include <array>
#include <string>

// The Floor Scale page: per-axis scales that make a number of texture repeats
// span a face of given extent. The window shows no results: the published
// command is its only output.
namespace kestrow::floor_scale {

inline constexpr IntField kTexWidth{"width", IDC_FS_TEXWIDTH, 4, 16384, 128};
inline constexpr IntField kTexHeight{"height", IDC_FS_TEXHEIGHT, 4, 16384, 128};
inline constexpr NumberField kStretchX{"stretch-x", IDC_FS_STRETCH_X, 0.03125, 256.0, 1.0};
inline constexpr NumberField kStretchY{"stretch-y", IDC_FS_STRETCH_Y, 0.03125, 256.0, 1.0};
inline constexpr ExpressionField kLengthX{"length-x", IDC_FS_LENGTH_X, 1.0f, "256"};
inline constexpr ExpressionField kLengthY{"length-y", IDC_FS_LENGTH_Y, 1.0f, "256"};

inline constexpr ResultField kScaleU{"scale-u", "Scale U (X)", 0};
inline constexpr ResultField kScaleV{"scale-v", "Scale V (Y)", 0};

struct Form {
    double m_dScaleV = 1.0;
    double m_dScaleU = 1.0;
    int m_nTexWidth = kTexWidth.initial;
    int m_nTexHeight = kTexHeight.initial;
    double m_dStretchX = kStretchX.initial;
    double m_dStretchY = kStretchY.initial;
    std::string m_strLengthX = kLengthX.initial;
    std::string m_strLengthY = kLengthY.initial;
    float m_fLengthX = 0.0f;
    float m_fLengthY = 0.0f;
};

template <class Exchanger> void Exchange(Exchanger&& x, Form& v) {
    x(kTexWidth, v.m_nTexWidth);
    x(kTexHeight, v.m_nTexHeight);
    x(kStretchX, v.m_dStretchX);
    x(kStretchY, v.m_dStretchY);
    x(kLengthX, v.m_strLengthX, v.m_fLengthX);
    x(kLengthY, v.m_strLengthY, v.m_fLengthY);
}

inline void ComputeResults(Form& v) {
    const FloorScaleResult result = ComputeFloorScale(v.m_nTexWidth, v.m_nTexHeight, v.m_dStretchX,
                                                      v.m_dStretchY, v.m_fLengthX, v.m_fLengthY);
    v.m_dScaleU = result.scaleU;
    v.m_dScaleV = result.scaleV;
}

template <class Reporter> void Results(Reporter&& r, const Form& v) {
    r(kScaleU, v.m_dScaleU);
    r(kScaleV, v.m_dScaleV);
}

inline constexpr PageCommand<Form> kCmdFloorScale{
    "Floor Scale", [](const Form& v) { return TexScaleCommand(v.m_dScaleU, v.m_dScaleV); }};
inline auto Commands(const Form&) {
    return std::array{&kCmdFloorScale};
}

} // namespace kestrow::floor_scale
