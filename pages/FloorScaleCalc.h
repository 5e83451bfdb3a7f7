#pragma once

namespace kestrow {

struct FloorScaleResult {
    double scaleU = 1.0;
    double scaleV = 1.0;
};

// Per-axis scales that make `stretch` repeats of the texture span `length` world
// units; X pairs with the width, Y with the height.
FloorScaleResult ComputeFloorScale(int texWidth, int texHeight, double stretchX, double stretchY,
                                   float lengthX, float lengthY);

} // namespace kestrow
