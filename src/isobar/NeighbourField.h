#pragma once

#include <array>
#include <bit>
#include <cstdint>

#include "isobar/GridPasses.h"

namespace isobra {

// What FindNeighbours gives, for any node of one grid, without probing
// step by step. Every line of nodes (rows, columns and both diagonals) is
// held as a bit mask of its interior nodes with a value; the distance in a
// direction is then the distance to the nearest set bit on that side.
// A probe moves only through interior positions, and along any ray the
// interior positions come first, so the nearest set bit is exactly what the
// probe finds.
class NeighbourField {
public:
    NeighbourField(const PressureGrid& grid, const GridSettings& settings, int reach);

    [[gnu::always_inline]] Neighbours At(int ix, int iy) const {
        const int diagonal = reach_ - 2;
        const std::uint32_t row = rows_[static_cast<std::size_t>(iy)];
        const std::uint32_t column = columns_[static_cast<std::size_t>(ix)];
        const std::uint32_t falling = falling_[ix - iy + kSize];
        const std::uint32_t rising = rising_[ix + iy];
        Neighbours n;
        n.d6 = Above(row, ix, reach_);
        n.d4 = Below(row, ix, reach_);
        n.d2 = Above(column, iy, reach_);
        n.d8 = Below(column, iy, reach_);
        n.d3 = Above(falling, ix, diagonal);  // (+1, +1)
        n.d7 = Below(falling, ix, diagonal);  // (-1, -1)
        n.d9 = Above(rising, ix, diagonal);   // (+1, -1)
        n.d1 = Below(rising, ix, diagonal);   // (-1, +1)
        return n;
    }

private:
    static constexpr int kSize = NodeTable::kSize;

    // Steps from bit `from` (0..30) to the nearest set bit above it, 0 when
    // there is none within reach.
    static int Above(std::uint32_t mask, int from, int reach) {
        const std::uint32_t ahead = mask >> (from + 1);
        const int j = std::countr_zero(ahead) + 1;  // 33 when nothing is ahead
        return j <= reach ? j : 0;
    }
    // The same below `from`.
    static int Below(std::uint32_t mask, int from, int reach) {
        const std::uint32_t behind = mask << (31 - from) << 1;  // bits below `from`, topmost first
        const int j = std::countl_zero(behind) + 1;
        return j <= reach ? j : 0;
    }

    int reach_;
    std::array<std::uint32_t, kSize> rows_{};         // bit x: node (x, y) of row y
    std::array<std::uint32_t, kSize> columns_{};      // bit y: node (x, y) of column x
    std::array<std::uint32_t, 2 * kSize> falling_{};  // bit x: node on the line x - y = k
    std::array<std::uint32_t, 2 * kSize> rising_{};   // bit x: node on the line x + y = k
};

}  // namespace isobra
