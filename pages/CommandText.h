#pragma once

#include <string>

namespace kestrow {

// Editor console commands, digit for digit as the printf formats
// "POLY TEXPAN %c=%d", "POLY TEXSCALE UU=%f VV=%f", ... would write them.

// "POLY TEXPAN U=-27"; axis is 'U' or 'V'.
std::string TexPanCommand(char axis, int pan);

// "POLY TEXSCALE UU=%f VV=%f"
std::string TexScaleCommand(double uu, double vv);

// The scale command of a page that fits one axis: reciprocals of the fitted
// scale on `axis` ('U' or 'V') and of the other scale on the other axis.
std::string FittedScaleCommand(char axis, double fittedScale, double otherScale);

// "POLY TEXSCALE UU=%0.4f VV=%0.4f UV=%0.4f VU=%0.4f"
std::string FullSkewCommand(double uu, double vv, double uv, double vu);

// "POLY TEXSCALE UU=%f UV=%f"
std::string HorzSkewCommand(double uu, double uv);

// "POLY TEXSCALE VV=%f VU=%f"
std::string VertSkewCommand(double vv, double vu);

} // namespace kestrow
