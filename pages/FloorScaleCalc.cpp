#include "pages/FloorScaleCalc.h"

namespace kestrow {

FloorScaleResult ComputeFloorScale(int texWidth, int texHeight, double stretchX, double stretchY,
                                   float lengthX, float lengthY) {
    // Multiply before dividing: the published digits depend on this order.
    FloorScaleResult result;
    result.scaleU = static_cast<double>(texWidth) * stretchX / static_cast<double>(lengthX);
    result.scaleV = static_cast<double>(texHeight) * stretchY / static_cast<double>(lengthY);
    return result;
}

} // namespace kestrow
