#include "isobar/NeighbourField.h"

#include "isobar/GridAccess.h"

namespace isobra {

NeighbourField::NeighbourField(const PressureGrid& grid, const GridSettings& settings, int reach) : reach_(reach) {
    const GridBounds b(settings);
    const std::int32_t* g = grid.raw();
    for (int iy = 0; iy <= b.maxY; ++iy) {
        for (int ix = 0; ix <= b.maxX; ++ix) {
            if (g[NodeIndex(ix, iy)] == 0) continue;
            const bool inX = b.InteriorX(ix);
            const bool inY = b.InteriorY(iy);
            // Straight probes test only the coordinate that moves.
            if (inX) rows_[static_cast<std::size_t>(iy)] |= std::uint32_t{1} << ix;
            if (inY) columns_[static_cast<std::size_t>(ix)] |= std::uint32_t{1} << iy;
            if (inX && inY) {
                falling_[ix - iy + kSize] |= std::uint32_t{1} << ix;
                rising_[ix + iy] |= std::uint32_t{1} << ix;
            }
        }
    }
}

}  // namespace isobra
