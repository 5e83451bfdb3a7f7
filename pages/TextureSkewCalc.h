#pragma once

namespace kestrow {

struct HorzSkewResult {
    double uu = 1.0;
    double uv = 0.0;
};

struct VertSkewResult {
    double vv = 1.0;
    double vu = 0.0;
};

// Horizontal group: UU = 1 / scale, UV = UU * run / rise. A checked Negate box
// keeps UV positive; a clear one negates it. rise >= 1, run >= 0.
HorzSkewResult ComputeHorzSkew(double scale, float rise, float run, bool negate);

// Vertical group: VV = 1 / scale, VU = VV * rise / run, with the same sign rule.
// run >= 1, rise >= 0.
VertSkewResult ComputeVertSkew(double scale, float rise, float run, bool negate);

} // namespace kestrow
