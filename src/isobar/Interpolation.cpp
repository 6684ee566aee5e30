#include <array>
#include <bit>
#include <cstdint>
#include <optional>

#include "isobar/GridAccess.h"
#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"
#include "isobar/NeighbourField.h"
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

// Border nodes can only interpolate along their own border line (every
// other probe leaves the grid at once), so a line without values settles
// them all at once; corners see nothing at all.
struct BorderLines {
    bool top, bottom, left, right;
    BorderLines(const std::int32_t* g, const GridBounds& b) : top(false), bottom(false), left(false), right(false) {
        for (int i = 1; i < b.maxX; ++i) {
            top = top || g[NodeIndex(i, 0)] != 0;
            bottom = bottom || g[NodeIndex(i, b.maxY)] != 0;
        }
        for (int i = 1; i < b.maxY; ++i) {
            left = left || g[NodeIndex(0, i)] != 0;
            right = right || g[NodeIndex(b.maxX, i)] != 0;
        }
    }
    // False when the node cannot get a value in this pass.
    bool MayFill(int ix, int iy, const GridBounds& b) const {
        const bool onRow = iy == 0 || iy == b.maxY;
        const bool onColumn = ix == 0 || ix == b.maxX;
        if (onRow && onColumn) return false;
        if (onRow) return iy == 0 ? top : bottom;
        if (onColumn) return ix == 0 ? left : right;
        return true;
    }
};

// Interpolates the nodes marked in `pending` (bit ix of row iy). Many nodes
// are served best by one neighbour field for the whole grid, a few by
// probing each on its own; both give the same distances.
void FillPending(PressureField& field, const std::array<std::uint32_t, NodeTable::kSize>& pending) {
    const GridBounds b(field.grid);
    const std::int32_t* g = field.pressureGrid.raw();
    std::int32_t* w = field.workGrid.raw();
    const BorderLines border(g, b);
    // Interior nodes only: most border nodes are settled by their line.
    const std::uint32_t interior = b.maxX >= 2 ? ((std::uint32_t{1} << b.maxX) - 2) : 0;
    int count = 0;
    for (int iy = 1; iy < b.maxY; ++iy) count += std::popcount(pending[static_cast<std::size_t>(iy)] & interior);
    constexpr int kProbeAtMost = 40;
    std::optional<NeighbourField> neighbours;
    if (count > kProbeAtMost) neighbours.emplace(field.pressureGrid, field.grid, 5);
    for (int iy = 0; iy <= b.maxY; ++iy) {
        for (std::uint32_t row = pending[static_cast<std::size_t>(iy)]; row != 0; row &= row - 1) {
            const int ix = std::countr_zero(row);
            if (!border.MayFill(ix, iy, b)) continue;
            const Neighbours d = neighbours ? neighbours->At(ix, iy) : Find(g, b, ix, iy, 5);
            w[NodeIndex(ix, iy)] = Interpolate(g, d, ix, iy);
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
    const std::int32_t* g = field.pressureGrid.raw();
    std::int32_t* w = field.workGrid.raw();
    // Nodes with a value go to the work grid as they are, and a value an
    // earlier pass left in the work grid stays. That is done for all nodes
    // first, without branches, noting per row the nodes still to fill; the
    // filling reads only the pressure grid, so the order makes no difference.
    std::array<std::uint32_t, NodeTable::kSize> pending{};
    bool any = false;
    for (int iy = 0; iy <= b.maxY; ++iy) {
        std::uint32_t row = 0;
        for (int ix = 0; ix <= b.maxX; ++ix) {
            const int at = NodeIndex(ix, iy);
            const std::int32_t here = g[at];
            const std::int32_t kept = w[at];
            w[at] = here != 0 ? here : kept;
            row |= static_cast<std::uint32_t>(here == 0 && kept == 0) << ix;
        }
        pending[static_cast<std::size_t>(iy)] = row;
        any = any || row != 0;
    }
    if (any) FillPending(field, pending);
    std::int32_t* grid = field.pressureGrid.raw();
    int filled = 0;
    for (int iy = 0; iy <= b.maxY; ++iy) {
        for (int ix = 0; ix <= b.maxX; ++ix) {
            const int at = NodeIndex(ix, iy);
            grid[at] = w[at];
            filled += w[at] != 0 ? 1 : 0;
        }
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
