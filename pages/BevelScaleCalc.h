#pragma once

namespace kestrow {

// The scale at which `textureCount` textures of `texWidth` texels cover the slant
// of a bevel with the given rise and run. Callers keep rise and run in 1..65535,
// texWidth in 4..16384 and textureCount in 0.0625..128.
double ComputeBevelScale(float rise, float run, int texWidth, double textureCount);

} // namespace kestrow
