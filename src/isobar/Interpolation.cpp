#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <optional>

#include "isobar/GridAccess.h"
#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"
#include "isobar/NeighbourField.h"
#include "isobar/NodeMasks.h"
#include "model/PressureField.h"

namespace isobra {

namespace {

// The first step j = 1..reach at which the probe finds a value, 0 if none.
// Only the moving coordinates are tested, so a border node can find values
// along its own border line.
int Probe(const std::int32_t* g, const GridBounds& b, int ix, int iy, int dx, int dy, int reach) {
    for (int j = 1; j <= reach; ++j) {
        const int x = ix + dx * j;
        const int y = iy + dy * j;
        if (dx != 0 && !b.InteriorX(x)) return 0;
        if (dy != 0 && !b.InteriorY(y)) return 0;
        if (g[NodeIndex(x, y)] != 0) return j;
    }
    return 0;
}

Neighbours Find(const std::int32_t* g, const GridBounds& b, int ix, int iy, int reach) {
    Neighbours d;
    const int diagonal = reach - 2;
    d.d6 = Probe(g, b, ix, iy, +1, 0, reach);
    d.d2 = Probe(g, b, ix, iy, 0, +1, reach);
    d.d4 = Probe(g, b, ix, iy, -1, 0, reach);
    d.d8 = Probe(g, b, ix, iy, 0, -1, reach);
    d.d3 = Probe(g, b, ix, iy, +1, +1, diagonal);
    d.d9 = Probe(g, b, ix, iy, +1, -1, diagonal);
    d.d7 = Probe(g, b, ix, iy, -1, -1, diagonal);
    d.d1 = Probe(g, b, ix, iy, -1, +1, diagonal);
    return d;
}

int Span(int a, int b) { return a > 0 && b > 0 ? a + b : 0; }

// Linear interpolation between gp at distance dp and gq at distance dq:
// (dq * gp + dp * gq) / (dp + dq). Products and sum are integers (they stay
// far inside 32 bits), the division is double.
std::int32_t Between(std::int32_t gp, int dp, std::int32_t gq, int dq) {
    const std::int64_t num = static_cast<std::int64_t>(dq) * gp + static_cast<std::int64_t>(dp) * gq;
    return RoundHalfEven(static_cast<double>(num) / static_cast<double>(dp + dq));
}

// The interpolated value of an empty node, or 0 when no line through it has
// known values on both sides.
std::int32_t Interpolate(const std::int32_t* g, const Neighbours& d, int ix, int iy) {
    const int spans[] = {Span(d.d4, d.d6), Span(d.d1, d.d9), Span(d.d8, d.d2), Span(d.d7, d.d3)};
    // The shortest span wins; on equal spans the earlier axis stays.
    int axis = -1;
    int bound = 100;
    for (int i = 0; i < 4; ++i) {
        if (spans[i] > 0 && spans[i] < bound) {
            axis = i;
            bound = spans[i];
        }
    }
    auto G = [g](int x, int y) { return g[NodeIndex(x, y)]; };
    switch (axis) {
        case 0:
            return Between(G(ix - d.d4, iy), d.d4, G(ix + d.d6, iy), d.d6);
        case 1:
            return Between(G(ix + d.d9, iy - d.d9), d.d9, G(ix - d.d1, iy + d.d1), d.d1);
        case 2:
            return Between(G(ix, iy - d.d8), d.d8, G(ix, iy + d.d2), d.d2);
        case 3:
            return Between(G(ix - d.d7, iy - d.d7), d.d7, G(ix + d.d3, iy + d.d3), d.d3);
        default:
            return 0;
    }
}

constexpr int kReach = 5;
constexpr int kDiagonalReach = kReach - 2;

// The nodes that a probe would give a value on both sides of, along one of
// the four lines, from the masks of the nodes with a value: only those can
// be filled. The probes move through interior positions only: the straight
// ones test the coordinate that moves, the diagonal ones both.
NodeMasks BothSides(const NodeMasks& has, const GridBounds& b) {
    const std::uint32_t interiorX = InteriorColumns(b);
    auto straightRow = [&](int iy) { return b.InteriorY(iy) ? has[static_cast<std::size_t>(iy)] : 0u; };
    auto diagonalRow = [&](int iy) { return b.InteriorY(iy) ? has[static_cast<std::size_t>(iy)] & interiorX : 0u; };
    NodeMasks out{};
    for (int iy = 0; iy <= b.maxY; ++iy) {
        const std::uint32_t across = has[static_cast<std::size_t>(iy)] & interiorX;
        std::uint32_t any = AnyAhead(across, kReach) & AnyBehind(across, kReach);
        std::uint32_t above = 0, below = 0;
        for (int j = 1; j <= kReach; ++j) {
            if (iy - j >= 0) above |= straightRow(iy - j);
            if (iy + j <= b.maxY) below |= straightRow(iy + j);
        }
        any |= above & below;
        std::uint32_t d3 = 0, d7 = 0, d9 = 0, d1 = 0;
        for (int j = 1; j <= kDiagonalReach; ++j) {
            const std::uint32_t up = iy - j >= 0 ? diagonalRow(iy - j) : 0u;
            const std::uint32_t down = iy + j <= b.maxY ? diagonalRow(iy + j) : 0u;
            d3 |= down >> j;
            d1 |= down << j;
            d7 |= up << j;
            d9 |= up >> j;
        }
        out[static_cast<std::size_t>(iy)] = any | (d3 & d7) | (d9 & d1);
    }
    return out;
}

// Interpolates the nodes marked in `fill` into the work grid and marks in
// it those that got a value other than 0. Many nodes are served best by one
// neighbour field for the whole grid, a few by probing each on its own; both
// give the same distances.
void Fill(PressureField& field, NodeMasks& fill) {
    const GridBounds b(field.grid);
    const std::int32_t* g = field.pressureGrid.raw();
    std::int32_t* w = field.workGrid.raw();
    int count = 0;
    for (int iy = 0; iy <= b.maxY; ++iy) count += std::popcount(fill[static_cast<std::size_t>(iy)]);
    constexpr int kProbeAtMost = 40;
    std::optional<NeighbourField> neighbours;
    if (count > kProbeAtMost) neighbours.emplace(field.pressureGrid, field.grid, kReach);
    for (int iy = 0; iy <= b.maxY; ++iy) {
        std::uint32_t& row = fill[static_cast<std::size_t>(iy)];
        for (std::uint32_t left = row; left != 0; left &= left - 1) {
            const int ix = std::countr_zero(left);
            const Neighbours d = neighbours ? neighbours->At(ix, iy) : Find(g, b, ix, iy, kReach);
            const std::int32_t value = Interpolate(g, d, ix, iy);
            w[NodeIndex(ix, iy)] = value;
            if (value == 0) row &= ~(std::uint32_t{1} << ix);
        }
    }
}

}  // namespace

Neighbours FindNeighbours(const PressureGrid& grid, const GridSettings& s, int ix, int iy, int reach) {
    const GridBounds b(s);
    if (ix < 0 || iy < 0 || ix > b.maxX || iy > b.maxY) return {};
    return Find(grid.raw(), b, ix, iy, reach);
}

int InterpolatePass(PressureField& field) {
    const GridBounds b(field.grid);
    std::int32_t* g = field.pressureGrid.raw();
    std::int32_t* w = field.workGrid.raw();
    const std::uint32_t used = UsedColumns(b);
    // Nodes with a value go to the work grid as they are, and a value an
    // earlier pass left in the work grid stays. Between the passes of a
    // construction the two grids are equal, and then that is nothing to do.
    NodeMasks has{};
    NodeMasks kept{};
    for (int iy = 0; iy <= b.maxY; ++iy) {
        const int at = NodeIndex(0, iy);
        const std::size_t row = static_cast<std::size_t>(iy);
        has[row] = MasksOfRow(g, b, iy).nonZero;
        if (std::equal(g + at, g + at + b.maxX + 1, w + at)) continue;
        for (int ix = 0; ix <= b.maxX; ++ix) {
            const std::int32_t here = g[at + ix];
            const std::int32_t before = w[at + ix];
            w[at + ix] = here != 0 ? here : before;
            kept[row] |= static_cast<std::uint32_t>(here == 0 && before != 0) << ix;
        }
    }
    // Only empty nodes with a value on both sides of some line can get one;
    // the filling reads only the pressure grid, so the order makes no
    // difference.
    NodeMasks fill = BothSides(has, b);
    bool any = false;
    for (int iy = 0; iy <= b.maxY; ++iy) {
        const std::size_t row = static_cast<std::size_t>(iy);
        fill[row] &= used & ~has[row] & ~kept[row];
        any = any || fill[row] != 0;
    }
    if (any) Fill(field, fill);
    // The work grid differs from the pressure grid only where a node was
    // filled or kept its earlier value.
    int filled = 0;
    for (int iy = 0; iy <= b.maxY; ++iy) {
        const std::size_t row = static_cast<std::size_t>(iy);
        for (std::uint32_t changed = fill[row] | kept[row]; changed != 0; changed &= changed - 1) {
            const int at = NodeIndex(std::countr_zero(changed), iy);
            g[at] = w[at];
        }
        filled += std::popcount(has[row] | kept[row] | fill[row]);
    }
    return filled;
}

int CountNodesWithValue(const PressureGrid& grid, const GridSettings& s) {
    const GridBounds b(s);
    int count = 0;
    for (int iy = 0; iy <= b.maxY; ++iy)
        for (int ix = 0; ix <= b.maxX; ++ix) count += grid.raw()[NodeIndex(ix, iy)] != 0 ? 1 : 0;
    return count;
}

}  // namespace isobra
