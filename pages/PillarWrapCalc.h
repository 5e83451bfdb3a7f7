#pragma once

namespace kestrow {

struct PillarWrapResult {
    double circumference = 0.0; // a whole number
    int simplePan = 0;
    double bestScale = 0.0;
    int bestPan = 0;
    double fractionalError = 0.0;
};

// A pillar built as a regular prism of `sides` sides. The radius runs from the
// centre to the middle of a side when alignToSide, else to a corner. Callers keep
// the inputs in the page's ranges: radius 1..65535, sides 3..256, texWidth
// 4..16384, textureCount 0.0625..256.
PillarWrapResult ComputePillarWrap(float radius, int sides, bool alignToSide, bool negatePan,
                                   int texWidth, double textureCount);

} // namespace kestrow
