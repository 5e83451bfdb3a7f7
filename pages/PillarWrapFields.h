#pragma once

#include "pages/FieldKinds.h"

// The Pillar Wrap page's inputs.
namespace kestrow::pillar_wrap {

inline constexpr IntField kTexWidth{4, 16384, 128};
inline constexpr IntField kSides{3, 256, 8};
inline constexpr ExpressionField kRadius{1.0f, "32"};
inline constexpr CheckField kAlignToSide{1};
inline constexpr CheckField kNegatePan{1};
inline constexpr NumberField kTextureCount{0.0625, 256.0, 1.0};
inline constexpr NumberField kOtherScale{0.03125, 32.0, 1.0};
inline constexpr RadioField kApplyTo{0}; // 0: U, 1: V

} // namespace kestrow::pillar_wrap
