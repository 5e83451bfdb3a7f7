#pragma once

#include "pages/CommandText.h"
#include "pages/PageForm.h"
#include "pages/TextureSkewCalc.h"
#include "res/resource.h"

#include <array>
#include <string>

// The Texture Skew page: the terms of the scale command that slant a texture
// along a sloped edge, from a horizontal and a vertical group that are switched
// on and off by their check boxes; at least one group stays on. Only the
// divisors, the horizontal rise and the vertical run, must be at least 1.
namespace kestrow::texture_skew {

inline constexpr CheckField kHorzSkew{"horizontal", IDC_TS_HORZ_SKEW, 0};
inline constexpr NumberField kHorzScale{"h-scale", IDC_TS_HORZ_SCALE, 0.03125, 256.0, 1.0};
inline constexpr ExpressionField kHorzRise{"h-rise", IDC_TS_HORZ_RISE, 1.0f, "256"};
inline constexpr ExpressionField kHorzRun{"h-run", IDC_TS_HORZ_RUN, 0.0f, "0"};
inline constexpr CheckField kHorzNegate{"h-negate", IDC_TS_HORZ_NEGATE, 0};

inline constexpr CheckField kVertSkew{"vertical", IDC_TS_VERT_SKEW, 1};
inline constexpr NumberField kVertScale{"v-scale", IDC_TS_VERT_SCALE, 0.03125, 256.0, 1.0};
inline constexpr ExpressionField kVertRise{"v-rise", IDC_TS_VERT_RISE, 0.0f, "256"};
inline constexpr ExpressionField kVertRun{"v-run", IDC_TS_VERT_RUN, 1.0f, "512"};
inline constexpr CheckField kVertNegate{"v-negate", IDC_TS_VERT_NEGATE, 0};

inline constexpr ResultField kUU{"uu", "UU", 0};
inline constexpr ResultField kUV{"uv", "UV", 0};
inline constexpr ResultField kVV{"vv", "VV", 0};
inline constexpr ResultField kVU{"vu", "VU", 0};

struct Form {
    double m_dVU = 0.0;
    double m_dUV = 0.0;
    double m_dVV = 1.0;
    double m_dUU = 1.0;
    int m_bHorzSkew = kHorzSkew.initial;
    int m_bHorzNegate = kHorzNegate.initial;
    double m_dHorzScale = kHorzScale.initial;
    int m_bVertSkew = kVertSkew.initial;
    int m_bVertNegate = kVertNegate.initial;
    double m_dVertScale = kVertScale.initial;
    std::string m_strHorzRise = kHorzRise.initial;
    std::string m_strHorzRun = kHorzRun.initial;
    std::string m_strVertRise = kVertRise.initial;
    std::string m_strVertRun = kVertRun.initial;
    float m_fHorzRise = 0.0f;
    float m_fHorzRun = 0.0f;
    float m_fVertRise = 0.0f;
    float m_fVertRun = 0.0f;
};

inline bool Ready(const Form& v) {
    return v.m_bHorzSkew != 0 || v.m_bVertSkew != 0;
}

// A group that is off is read and checked like one that is on, so a bad scale
// blocks the page whichever groups are on, and all four expressions are checked.
template <class Exchanger> void Exchange(Exchanger&& x, Form& v) {
    x(kHorzSkew, v.m_bHorzSkew);
    x(kHorzNegate, v.m_bHorzNegate);
    x(kHorzScale, v.m_dHorzScale);
    x(kVertSkew, v.m_bVertSkew);
    x(kVertNegate, v.m_bVertNegate);
    x(kVertScale, v.m_dVertScale);
    x(kHorzRise, v.m_strHorzRise, v.m_fHorzRise);
    x(kHorzRun, v.m_strHorzRun, v.m_fHorzRun);
    x(kVertRise, v.m_strVertRise, v.m_fVertRise);
    x(kVertRun, v.m_strVertRun, v.m_fVertRun);
}

// Only the groups that are on get new results.
inline void ComputeResults(Form& v) {
    if (v.m_bHorzSkew != 0) {
        const HorzSkewResult horz =
            ComputeHorzSkew(v.m_dHorzScale, v.m_fHorzRise, v.m_fHorzRun, v.m_bHorzNegate != 0);
        v.m_dUU = horz.uu;
        v.m_dUV = horz.uv;
    }
    if (v.m_bVertSkew != 0) {
        const VertSkewResult vert =
            ComputeVertSkew(v.m_dVertScale, v.m_fVertRise, v.m_fVertRun, v.m_bVertNegate != 0);
        v.m_dVV = vert.vv;
        v.m_dVU = vert.vu;
    }
}

template <class Reporter> void Results(Reporter&& r, const Form& v) {
    r(kUU, v.m_dUU, v.m_bHorzSkew != 0);
    r(kUV, v.m_dUV, v.m_bHorzSkew != 0);
    r(kVV, v.m_dVV, v.m_bVertSkew != 0);
    r(kVU, v.m_dVU, v.m_bVertSkew != 0);
}

// Both switches can read clear only after a toggle that stopped on a bad scale:
// there is nothing to apply then.
inline constexpr PageCommand<Form> kCmdTextureSkew{"Texture Skew", [](const Form& v) {
                                                       if (v.m_bHorzSkew != 0 && v.m_bVertSkew != 0)
                                                           return FullSkewCommand(v.m_dUU, v.m_dVV,
                                                                                  v.m_dUV, v.m_dVU);
                                                       if (v.m_bHorzSkew != 0)
                                                           return HorzSkewCommand(v.m_dUU, v.m_dUV);
                                                       if (v.m_bVertSkew != 0)
                                                           return VertSkewCommand(v.m_dVV, v.m_dVU);
                                                       return std::string();
                                                   }};
inline auto Commands(const Form&) {
    return std::array{&kCmdTextureSkew};
}

} // namespace kestrow::texture_skew
