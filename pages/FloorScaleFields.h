#pragma once

#include "pages/FieldKinds.h"

// The Floor Scale page's inputs.
namespace kestrow::floor_scale {

inline constexpr IntField kTexWidth{4, 16384, 128};
inline constexpr IntField kTexHeight{4, 16384, 128};
inline constexpr NumberField kStretchX{0.03125, 256.0, 1.0};
inline constexpr NumberField kStretchY{0.03125, 256.0, 1.0};
inline constexpr ExpressionField kLengthX{1.0f, "256"};
inline constexpr ExpressionField kLengthY{1.0f, "256"};

} // namespace kestrow::floor_scale
