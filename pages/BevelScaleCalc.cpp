#include "pages/BevelScaleCalc.h"

#include <cmath>

namespace kestrow {

double ComputeBevelScale(float rise, float run, int texWidth, double textureCount) {
    const double slantLength = std::hypot(static_cast<double>(rise), static_cast<double>(run));
    return slantLength / (texWidth * textureCount);
}

} // namespace kestrow
