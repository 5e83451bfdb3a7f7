#include "pages/PillarWrapCalc.h"

#include <cmath>

namespace kestrow {

// Deliberately not full-precision pi: the published results depend on this value.
constexpr double kPi = 3.141592654;

namespace {

// Every quantity rounded here is positive, so this rounds halves up.
int RoundPositive(double value) {
    return static_cast<int>(value + 0.5);
}

} // namespace

PillarWrapResult ComputePillarWrap(float radius, int sides, bool alignToSide, bool negatePan,
                                   int texWidth, double textureCount) {
    const double angle = kPi / sides;
    const double factor = alignToSide ? std::tan(angle) : std::sin(angle);
    const double sideLength = 2.0 * radius * factor;
    const double length = sides * sideLength;
    const int sign = negatePan ? -1 : 1;

    PillarWrapResult result;
    result.circumference = RoundPositive(length);
    result.simplePan = sign * RoundPositive(sideLength);
    result.bestScale = length / (texWidth * textureCount);
    const int texelsPerSide = RoundPositive(texWidth * textureCount / sides);
    result.bestPan = sign * texelsPerSide;
    result.fractionalError =
        -(length - static_cast<double>(sides) * texelsPerSide * result.bestScale);
    return result;
}

} // namespace kestrow
