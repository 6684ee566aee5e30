#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>

#include "isobar/GridAccess.h"
#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"
#include "isobar/NodeMasks.h"
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

namespace {

// The empty interior nodes with at least one usable direction: the near and
// the far node above 0 and the far node strictly inside where it moves. No
// other node can be given a value.
NodeMasks Extrapolatable(const NodeMasks& positive, const NodeMasks& empty, const GridBounds& b) {
    const std::uint32_t interiorX = InteriorColumns(b);
    auto row = [&](int iy) { return iy >= 0 && iy <= b.maxY ? positive[static_cast<std::size_t>(iy)] : 0u; };
    NodeMasks out{};
    for (int y = 1; y < b.maxY; ++y) {
        std::uint32_t any = 0;
        for (int v = -1; v <= 1; ++v) {
            const std::uint32_t near = row(y + v);
            // The far row must be interior when the direction moves in y.
            const std::uint32_t far = v == 0 || b.InteriorY(y + 2 * v) ? row(y + 2 * v) : 0u;
            any |= (near >> 1) & ((far & interiorX) >> 2);  // u = +1
            any |= (near << 1) & ((far & interiorX) << 2);  // u = -1
            if (v != 0) any |= near & far;                  // u = 0
        }
        out[static_cast<std::size_t>(y)] = any & empty[static_cast<std::size_t>(y)] & interiorX;
    }
    return out;
}

}  // namespace

bool ExtrapolateSpiral(PressureField& field) {
    const GridSettings& s = field.grid;
    const GridBounds b(s);
    // The spiral runs round the centre (12, 12) for the 25-node grid (12.5
    // rounds to the even 12), ring i = 1..12 being the square at Chebyshev
    // distance i, each of its nodes met once. Extrapolation reads only the
    // pressure grid and writes only the node itself to the work grid, so
    // visiting the same nodes in any order gives the same result, and only
    // the nodes that can be given a value need a visit. The centre itself
    // and, for the 25-node grid, the last row and column are never visited.
    const int c = RoundHalfEven(s.gridMaxX / 2.0);
    const int d = RoundHalfEven(s.gridMaxY / 2.0);
    const int turns = RoundHalfEven(s.gridMaxX / 2.0);
    std::int32_t* g = field.pressureGrid.raw();
    std::int32_t* w = field.workGrid.raw();
    NodeMasks positive{};
    NodeMasks empty{};
    for (int iy = 0; iy <= b.maxY; ++iy) {
        const RowMasks m = MasksOfRow(g, b, iy);
        positive[static_cast<std::size_t>(iy)] = m.positive;
        empty[static_cast<std::size_t>(iy)] = UsedColumns(b) & ~m.nonZero;
    }
    const NodeMasks visit = Extrapolatable(positive, empty, b);
    for (int y = 1; y < b.maxY; ++y) {
        for (std::uint32_t left = visit[static_cast<std::size_t>(y)]; left != 0; left &= left - 1) {
            const int x = std::countr_zero(left);
            const int ring = std::max(std::abs(x - c), std::abs(y - d));
            if (ring >= 1 && ring <= turns) Extrapolate<true>(g, b, x, y, w[NodeIndex(x, y)]);
        }
    }

    // Empty nodes take the work grid's value; the others keep theirs.
    int above = 0;
    for (int iy = 0; iy <= b.maxY; ++iy) {
        for (std::uint32_t left = empty[static_cast<std::size_t>(iy)]; left != 0; left &= left - 1) {
            const int at = NodeIndex(std::countr_zero(left), iy);
            g[at] = w[at];
            above += g[at] > 0 ? 1 : 0;
        }
        above += std::popcount(positive[static_cast<std::size_t>(iy)]);
    }
    return above < (s.gridMaxY - 1) * (s.gridMaxX - 1);
}

}  // namespace isobra
