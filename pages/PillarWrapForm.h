#pragma once

#include "pages/CommandText.h"
#include "pages/PageForm.h"
#include "pages/PillarWrapCalc.h"
#include "res/resource.h"

#include <array>
#include <string>

// The Pillar Wrap page: circumference, simple pan, best-fit scale, best-fit pan
// and fractional error of a pillar built as a regular prism.
namespace kestrow::pillar_wrap {

inline constexpr IntField kTexWidth{"width", IDC_PW_TEXWIDTH, 4, 16384, 128};
inline constexpr IntField kSides{"sides", IDC_PW_SIDES, 3, 256, 8};
inline constexpr ExpressionField kRadius{"radius", IDC_PW_RADIUS, 1.0f, "32"};
inline constexpr CheckField kAlignToSide{"align-to-side", IDC_PW_ALIGN_TO_SIDE, 1};
inline constexpr CheckField kNegatePan{"negate", IDC_PW_NEGATE_PAN, 1};
inline constexpr NumberField kTextureCount{"textures", IDC_PW_TEXCOUNT, 0.0625, 256.0, 1.0};
inline constexpr NumberField kOtherScale{"other-scale", IDC_PW_OTHER_SCALE, 0.03125, 32.0, 1.0};
inline constexpr AxisField kApplyTo{"axis", IDC_PW_APPLY_U, IDC_PW_APPLY_V, 0};

inline constexpr ResultField kCircumference{"circumference", "Total Circumference",
                                            IDC_PW_CIRCUMFERENCE};
inline constexpr ResultField kSimplePan{"simple-pan", "Simple pan value", IDC_PW_SIMPLE_PAN};
inline constexpr ResultField kBestScale{"best-scale", "Best scale", IDC_PW_BEST_SCALE};
inline constexpr ResultField kBestPan{"best-pan", "Best pan value", IDC_PW_BEST_PAN};
inline constexpr ResultField kFractionalError{"fractional-error", "Total Fractional Error",
                                              IDC_PW_FRACTIONAL_ERROR};

struct Form {
    int m_bAlignToSide = kAlignToSide.initial;
    double m_dCircumference = 0.0;
    double m_dFractionalError = 0.0;
    int m_bNegatePan = kNegatePan.initial;
    int m_nSides = kSides.initial;
    double m_dOtherScale = kOtherScale.initial;
    double m_dTextureCount = kTextureCount.initial;
    int m_nBestPan = 0;
    double m_dBestScale = 0.0;
    int m_nSimplePan = 0;
    int m_nTexWidth = kTexWidth.initial;
    int m_nApplyTo = kApplyTo.initial;
    std::string m_strRadius = kRadius.initial;
    float m_fRadius = 0.0f;
};

// The result fields sit among the inputs: only the inputs are checked.
template <class Exchanger> void Exchange(Exchanger&& x, Form& v) {
    x(kAlignToSide, v.m_bAlignToSide);
    x(kCircumference, v.m_dCircumference);
    x(kFractionalError, v.m_dFractionalError);
    x(kNegatePan, v.m_bNegatePan);
    x(kSides, v.m_nSides);
    x(kOtherScale, v.m_dOtherScale);
    x(kTextureCount, v.m_dTextureCount);
    x(kBestPan, v.m_nBestPan);
    x(kBestScale, v.m_dBestScale);
    x(kSimplePan, v.m_nSimplePan);
    x(kTexWidth, v.m_nTexWidth);
    x(kApplyTo, v.m_nApplyTo);
    x(kRadius, v.m_strRadius, v.m_fRadius);
}

inline void ComputeResults(Form& v) {
    const PillarWrapResult result =
        ComputePillarWrap(v.m_fRadius, v.m_nSides, v.m_bAlignToSide != 0, v.m_bNegatePan != 0,
                          v.m_nTexWidth, v.m_dTextureCount);
    v.m_dCircumference = result.circumference;
    v.m_nSimplePan = result.simplePan;
    v.m_dBestScale = result.bestScale;
    v.m_nBestPan = result.bestPan;
    v.m_dFractionalError = result.fractionalError;
}

template <class Reporter> void Results(Reporter&& r, const Form& v) {
    r(kCircumference, v.m_dCircumference);
    r(kSimplePan, v.m_nSimplePan);
    r(kBestScale, v.m_dBestScale);
    r(kBestPan, v.m_nBestPan);
    r(kFractionalError, v.m_dFractionalError);
}

inline constexpr PageCommand<Form> kCmdSimplePan{
    "Simple Pan",
    [](const Form& v) { return TexPanCommand(AxisOf(v.m_nApplyTo), v.m_nSimplePan); }};
inline constexpr PageCommand<Form> kCmdBestScale{
    "Best Scale", [](const Form& v) {
        return FittedScaleCommand(AxisOf(v.m_nApplyTo), v.m_dBestScale, v.m_dOtherScale);
    }};
inline constexpr PageCommand<Form> kCmdBestPan{
    "Best Pan", [](const Form& v) { return TexPanCommand(AxisOf(v.m_nApplyTo), v.m_nBestPan); }};
inline auto Commands(const Form&) {
    return std::array{&kCmdSimplePan, &kCmdBestScale, &kCmdBestPan};
}

} // namespace kestrow::pillar_wrap
