#pragma once

#include <vector>

namespace isobra {

// The directions sampled on the rings around a centre: a step of
// kMapPi / 16 added up in single precision while the angle stays at or
// below 2 kMapPi (6.283184) minus one step. That gives 31 angles, 0 to 30 steps; the
// 32nd direction is never sampled.
const std::vector<float>& CentreRingAngles();

}  // namespace isobra
