#include "pages/CommandText.h"

#include <climits>
#include <string_view>

#include <gtest/gtest.h>

namespace kestrow {
namespace {

TEST(CommandText, PanCarriesAxisAndSignedValue) {
    EXPECT_EQ("POLY TEXPAN U=-27", TexPanCommand('U', -27));
    EXPECT_EQ("POLY TEXPAN V=85", TexPanCommand('V', 85));
    EXPECT_EQ("POLY TEXPAN U=0", TexPanCommand('U', 0));
    EXPECT_EQ("POLY TEXPAN V=-2147483648", TexPanCommand('V', INT_MIN));
}

TEST(CommandText, FittedScalePutsReciprocalsOnChosenAxis) {
    EXPECT_EQ("POLY TEXSCALE UU=0.250000 VV=2.000000", FittedScaleCommand('U', 4, 0.5));
    EXPECT_EQ("POLY TEXSCALE UU=2.000000 VV=0.250000", FittedScaleCommand('V', 4, 0.5));
}

TEST(CommandText, ScaleFormatsRoundToTheirDecimals) {
    EXPECT_EQ("POLY TEXSCALE UU=0.333333 VV=0.666667", TexScaleCommand(1.0 / 3, 2.0 / 3));
    EXPECT_EQ("POLY TEXSCALE UU=0.3333 VV=0.6667 UV=-1.0000 VU=12345.6789",
              FullSkewCommand(1.0 / 3, 2.0 / 3, -1, 12345.67891));
    EXPECT_EQ("POLY TEXSCALE VV=32.000000 VU=-0.000001", VertSkewCommand(32, -5e-7 - 1e-12));
}

} // namespace
} // namespace kestrow
