#pragma once

#include "pages/FieldKinds.h"

// The Bevel Scale page's inputs.
namespace kestrow::bevel_scale {

inline constexpr IntField kTexWidth{4, 16384, 128};
inline constexpr ExpressionField kRise{1.0f, "64"};
inline constexpr ExpressionField kRun{1.0f, "64"};
inline constexpr NumberField kTextureCount{0.0625, 128.0, 1.0};
inline constexpr NumberField kOtherScale{0.03125, 32.0, 1.0};
inline constexpr RadioField kApplyTo{1}; // 0: U, 1: V

} // namespace kestrow::bevel_scale
