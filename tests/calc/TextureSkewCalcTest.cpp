#include "pages/TextureSkewCalc.h"
#include "pages/CommandText.h"

#include <cmath>

#include <gtest/gtest.h>

namespace kestrow {
namespace {

TEST(TextureSkewCalc, DefaultVerticalGroup) {
    const VertSkewResult v = ComputeVertSkew(1, 256, 512, false);
    EXPECT_EQ("POLY TEXSCALE VV=1.000000 VU=-0.500000", VertSkewCommand(v.vv, v.vu));
}

TEST(TextureSkewCalc, ZeroRunGivesNegativeZeroInBothForms) {
    const HorzSkewResult h = ComputeHorzSkew(1, 256, 0, false);
    const VertSkewResult v = ComputeVertSkew(1, 256, 512, false);
    EXPECT_TRUE(std::signbit(h.uv));
    EXPECT_EQ("POLY TEXSCALE UU=1.0000 VV=1.0000 UV=-0.0000 VU=-0.5000",
              FullSkewCommand(h.uu, v.vv, h.uv, v.vu));
    EXPECT_EQ("POLY TEXSCALE UU=1.000000 UV=-0.000000", HorzSkewCommand(h.uu, h.uv));
}

TEST(TextureSkewCalc, CheckedNegateKeepsTermsPositive) {
    const HorzSkewResult h = ComputeHorzSkew(2, 64, 32, true);
    const VertSkewResult v = ComputeVertSkew(0.5, 128, 256, true);
    EXPECT_EQ("POLY TEXSCALE UU=0.5000 VV=2.0000 UV=0.2500 VU=1.0000",
              FullSkewCommand(h.uu, v.vv, h.uv, v.vu));
}

TEST(TextureSkewCalc, ClearNegateNegatesHorizontalTerm) {
    const HorzSkewResult h = ComputeHorzSkew(2, 64, 32, false);
    EXPECT_EQ("POLY TEXSCALE UU=0.500000 UV=-0.250000", HorzSkewCommand(h.uu, h.uv));
}

TEST(TextureSkewCalc, GroupsDivideInOppositeSenses) {
    // Horizontal is run over rise, vertical rise over run.
    EXPECT_EQ(-4.0, ComputeHorzSkew(1, 16, 64, false).uv);
    EXPECT_EQ(-0.25, ComputeVertSkew(1, 16, 64, false).vu);
    EXPECT_EQ(0.0, ComputeVertSkew(1, 0, 64, true).vu);
}

TEST(TextureSkewCalc, SmallestScaleGivesThirtyTwo) {
    EXPECT_EQ(32.0, ComputeHorzSkew(0.03125, 1, 1, true).uu);
    EXPECT_EQ(32.0, ComputeVertSkew(0.03125, 1, 1, true).vv);
}

} // namespace
} // namespace kestrow
