#pragma once

#include <cstdint>

#include "model/Rounding.h"

namespace isobra {

// The node nearest to a canvas coordinate: floor(v / cell + 0.5), a real
// division (270 / 16 + 0.5 = 17.375 gives node 17, where integer division
// would give 16). v may be fractional (a click at x = 7.9 gives node 0).
inline std::int32_t NearestNode(double v, std::int32_t cell) { return FloorToInt(v / cell + 0.5); }

// The lower right corner of the cell holding a canvas coordinate:
// floor(v / cell + 1).
inline std::int32_t CellCornerNode(std::int32_t v, std::int32_t cell) {
    return FloorToInt(static_cast<double>(v) / cell + 1.0);
}

}  // namespace isobra
