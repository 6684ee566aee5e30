#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "isobar/GridAccess.h"
#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"
#include "model/PressureField.h"

namespace isobra {

namespace {

// The damped extrapolation into (x, y): the mean over the usable directions
// of the near value plus two thirds of the step from far to near. Returns
// false when no direction is usable.
template <bool kInteriorNode>
bool Extrapolate(const std::int32_t* g, const GridBounds& b, int x, int y, std::int32_t& out) {
    static constexpr int kDirections[8][2] = {{+1, 0}, {+1, -1}, {0, -1}, {-1, -1},
                                              {-1, 0}, {-1, +1}, {0, +1}, {+1, +1}};
    double sum = 0.0;
    int count = 0;
    for (const auto& dir : kDirections) {
        const int u = dir[0];
        const int v = dir[1];
        // The far node must be strictly inside where it moves, the node
        // itself interior where it does not. The near node of an interior
        // node always lies in the grid, so there it is looked at first: most
        // directions of an empty node end at it. For any other node the
        // far node's test comes first and keeps the near one in the grid.
        if constexpr (kInteriorNode) {
            if (g[NodeIndex(x + u, y + v)] <= 0) continue;
        }
        if (!b.InteriorX(u != 0 ? x + 2 * u : x)) continue;
        if (!b.InteriorY(v != 0 ? y + 2 * v : y)) continue;
        const std::int32_t g1 = g[NodeIndex(x + u, y + v)];
        const std::int32_t g2 = g[NodeIndex(x + 2 * u, y + 2 * v)];
        if (g1 <= 0 || g2 <= 0) continue;
        // Integer products and difference, the division in double.
        const std::int64_t diff = 5 * static_cast<std::int64_t>(g1) - 2 * static_cast<std::int64_t>(g2);
        sum += static_cast<double>(diff) / 3.0;
        ++count;
    }
    if (count == 0) return false;
    // The one pass that can leave the range of the values it starts from:
    // round after round, a steep step is carried further out. Held within
    // what a node may hold, so that any grid saves to an isobar file that
    // reads back; pressures of this world come nowhere near the bounds.
    const double limit = kGridValueLimit;
    out = RoundHalfEven(std::clamp(sum / count, -limit, limit));
    return true;
}

}  // namespace

void ExtrapolateNode(PressureField& field, int x, int y) {
    const GridBounds b(field.grid);
    std::int32_t value = 0;
    if (Extrapolate<false>(field.pressureGrid.raw(), b, x, y, value)) field.workGrid.at(x, y) = value;
}

bool ExtrapolateSpiral(PressureField& field) {
    const GridSettings& s = field.grid;
    const GridBounds b(s);
    // The spiral runs round the centre (12, 12) for the 25-node grid (12.5
    // rounds to the even 12), ring i = 1..12 being the square at Chebyshev
    // distance i, each of its nodes met once. Extrapolation reads only the
    // pressure grid and writes only the node itself to the work grid, so
    // visiting the same nodes row by row gives the same result. The centre
    // itself and, for the 25-node grid, the last row and column are never
    // visited.
    const int c = RoundHalfEven(s.gridMaxX / 2.0);
    const int d = RoundHalfEven(s.gridMaxY / 2.0);
    const int turns = RoundHalfEven(s.gridMaxX / 2.0);
    const std::int32_t* g = field.pressureGrid.raw();
    std::int32_t* w = field.workGrid.raw();
    for (int y = 1; y < b.maxY; ++y) {
        for (int x = 1; x < b.maxX; ++x) {
            if (g[NodeIndex(x, y)] != 0) continue;
            const int ring = std::max(std::abs(x - c), std::abs(y - d));
            if (ring >= 1 && ring <= turns) Extrapolate<true>(g, b, x, y, w[NodeIndex(x, y)]);
        }
    }

    std::int32_t* grid = field.pressureGrid.raw();
    int above = 0;
    for (int iy = 0; iy <= b.maxY; ++iy) {
        for (int ix = 0; ix <= b.maxX; ++ix) {
            const int at = NodeIndex(ix, iy);
            const std::int32_t v = grid[at] != 0 ? grid[at] : w[at];
            grid[at] = v;
            above += v > 0 ? 1 : 0;
        }
    }
    return above < (s.gridMaxY - 1) * (s.gridMaxX - 1);
}

}  // namespace isobra
