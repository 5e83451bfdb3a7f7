#include "pages/CommandText.h"

#include "text/NumberText.h"

namespace kestrow {
namespace {

constexpr int kScaleDecimals = 6;    // "%f"
constexpr int kFullSkewDecimals = 4; // "%0.4f"

std::string Term(const char* name, double value, int decimals) {
    return std::string(" ") + name + "=" + FormatFixed(value, decimals);
}

} // namespace

std::string TexPanCommand(char axis, int pan) {
    return std::string("POLY TEXPAN ") + axis + "=" + std::to_string(pan);
}

std::string TexScaleCommand(double uu, double vv) {
    return "POLY TEXSCALE" + Term("UU", uu, kScaleDecimals) + Term("VV", vv, kScaleDecimals);
}

std::string FittedScaleCommand(char axis, double fittedScale, double otherScale) {
    const double fitted = 1.0 / fittedScale;
    const double other = 1.0 / otherScale;
    return axis == 'U' ? TexScaleCommand(fitted, other) : TexScaleCommand(other, fitted);
}

std::string FullSkewCommand(double uu, double vv, double uv, double vu) {
    return "POLY TEXSCALE" + Term("UU", uu, kFullSkewDecimals) + Term("VV", vv, kFullSkewDecimals) +
           Term("UV", uv, kFullSkewDecimals) + Term("VU", vu, kFullSkewDecimals);
}

std::string HorzSkewCommand(double uu, double uv) {
    return "POLY TEXSCALE" + Term("UU", uu, kScaleDecimals) + Term("UV", uv, kScaleDecimals);
}

std::string VertSkewCommand(double vv, double vu) {
    return "POLY TEXSCALE" + Term("VV", vv, kScaleDecimals) + Term("VU", vu, kScaleDecimals);
}

} // namespace kestrow
