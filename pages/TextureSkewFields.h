#pragma once

#include "pages/FieldKinds.h"

// The Texture Skew page's inputs: a horizontal and a vertical group, each
// switched on and off by its check box. Only the divisors, the horizontal rise
// and the vertical run, must be at least 1.
namespace kestrow::texture_skew {

inline constexpr CheckField kHorzSkew{0};
inline constexpr NumberField kHorzScale{0.03125, 256.0, 1.0};
inline constexpr ExpressionField kHorzRise{1.0f, "256"};
inline constexpr ExpressionField kHorzRun{0.0f, "0"};
inline constexpr CheckField kHorzNegate{0};

inline constexpr CheckField kVertSkew{1};
inline constexpr NumberField kVertScale{0.03125, 256.0, 1.0};
inline constexpr ExpressionField kVertRise{0.0f, "256"};
inline constexpr ExpressionField kVertRun{1.0f, "512"};
inline constexpr CheckField kVertNegate{0};

} // namespace kestrow::texture_skew
