#pragma once

#include "pages/BevelScaleCalc.h"
#include "pages/CommandText.h"
#include "pages/PageForm.h"
#include "res/resource.h"

#include <array>
#include <string>

// The Bevel Scale page: the scale at which a number of textures cover the slant
// of a bevel given by its rise and run.
namespace kestrow::bevel_scale {

inline constexpr IntField kTexWidth{"width", IDC_BS_TEXWIDTH, 4, 16384, 128};
inline constexpr ExpressionField kRise{"rise", IDC_BS_RISE, 1.0f, "64"};
inline constexpr ExpressionField kRun{"run", IDC_BS_RUN, 1.0f, "64"};
inline constexpr NumberField kTextureCount{"textures", IDC_BS_TEXCOUNT, 0.0625, 128.0, 1.0};
inline constexpr NumberField kOtherScale{"other-scale", IDC_BS_OTHER_SCALE, 0.03125, 32.0, 1.0};
inline constexpr AxisField kApplyTo{"axis", IDC_BS_APPLY_U, IDC_BS_APPLY_V, 1};

inline constexpr ResultField kScale{"scale", "Scale", IDC_BS_SCALE};

struct Form {
    double m_dTextureCount = kTextureCount.initial;
    double m_dBevelScale = 0.0;
    double m_dOtherScale = kOtherScale.initial;
    int m_nTexWidth = kTexWidth.initial;
    int m_nApplyTo = kApplyTo.initial;
    std::string m_strRise = kRise.initial;
    std::string m_strRun = kRun.initial;
    float m_fRise = 0.0f;
    float m_fRun = 0.0f;
};

template <class Exchanger> void Exchange(Exchanger&& x, Form& v) {
    x(kTextureCount, v.m_dTextureCount);
    x(kScale, v.m_dBevelScale);
    x(kOtherScale, v.m_dOtherScale);
    x(kTexWidth, v.m_nTexWidth);
    x(kApplyTo, v.m_nApplyTo);
    x(kRise, v.m_strRise, v.m_fRise);
    x(kRun, v.m_strRun, v.m_fRun);
}

inline void ComputeResults(Form& v) {
    v.m_dBevelScale = ComputeBevelScale(v.m_fRise, v.m_fRun, v.m_nTexWidth, v.m_dTextureCount);
}

template <class Reporter> void Results(Reporter&& r, const Form& v) {
    r(kScale, v.m_dBevelScale);
}

inline constexpr PageCommand<Form> kCmdBevelScale{
    "Bevel Scale", [](const Form& v) {
        return FittedScaleCommand(AxisOf(v.m_nApplyTo), v.m_dBevelScale, v.m_dOtherScale);
    }};
inline auto Commands(const Form&) {
    return std::array{&kCmdBevelScale};
}

} // namespace kestrow::bevel_scale
