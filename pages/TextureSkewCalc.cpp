#include "pages/TextureSkewCalc.h"

namespace kestrow {
namespace {

double NegateSign(bool negate) {
    return negate ? 1.0 : -1.0;
}

} // namespace

// The operation order is part of the result: a zero run times -1 must stay a
// negative zero, which the command prints as "-0.0000".
HorzSkewResult ComputeHorzSkew(double scale, float rise, float run, bool negate) {
    HorzSkewResult result;
    result.uu = 1.0 / scale;
    result.uv = ((result.uu * run) / rise) * NegateSign(negate);
    return result;
}

VertSkewResult ComputeVertSkew(double scale, float rise, float run, bool negate) {
    VertSkewResult result;
    result.vv = 1.0 / scale;
    result.vu = ((result.vv * rise) / run) * NegateSign(negate);
    return result;
}

} // namespace kestrow
