#include <cstdint>
#include <optional>

#include "isobar/GridAccess.h"
#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"
#include "isobar/NeighbourField.h"
#include "model/AppState.h"

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
    case 0: return Between(G(ix - d.d4, iy), d.d4, G(ix + d.d6, iy), d.d6);
    case 1: return Between(G(ix + d.d9, iy - d.d9), d.d9, G(ix - d.d1, iy + d.d1), d.d1);
    case 2: return Between(G(ix, iy - d.d8), d.d8, G(ix, iy + d.d2), d.d2);
    case 3: return Between(G(ix - d.d7, iy - d.d7), d.d7, G(ix + d.d3, iy + d.d3), d.d3);
    default: return 0;
    }
}

}  // namespace

Neighbours FindNeighbours(const PressureGrid& grid, const GridSettings& s, int ix, int iy, int reach) {
    const GridBounds b(s);
    if (ix < 0 || iy < 0 || ix > b.maxX || iy > b.maxY) return {};
    return Find(grid.raw(), b, ix, iy, reach);
}

void InterpolatePass(AppState& state) {
    const GridBounds b(state.grid);
    const std::int32_t* g = state.pressureGrid.raw();
    std::int32_t* w = state.workGrid.raw();
    std::optional<NeighbourField> field;  // built when the first empty node needs it
    for (int iy = 0; iy <= b.maxY; ++iy) {
        for (int ix = 0; ix <= b.maxX; ++ix) {
            const int at = NodeIndex(ix, iy);
            if (g[at] != 0) {
                w[at] = g[at];
                continue;
            }
            // A value an earlier pass left in the work grid stays.
            if (w[at] != 0) continue;
            if (!field) field.emplace(state.pressureGrid, state.grid, 5);
            // A border node can only interpolate along its border line, so
            // an empty line settles it at once (corners see nothing at all).
            const bool onRow = iy == 0 || iy == b.maxY;
            const bool onColumn = ix == 0 || ix == b.maxX;
            if (onRow && onColumn) continue;
            if (onRow && !field->RowHasValues(iy)) continue;
            if (onColumn && !field->ColumnHasValues(ix)) continue;
            w[at] = Interpolate(g, field->At(ix, iy), ix, iy);
        }
    }
    CopyNodes(state.workGrid, state.pressureGrid, b);
}

int CountNodesWithValue(const PressureGrid& grid, const GridSettings& s) {
    const GridBounds b(s);
    int count = 0;
    for (int iy = 0; iy <= b.maxY; ++iy)
        for (int ix = 0; ix <= b.maxX; ++ix) count += grid.raw()[NodeIndex(ix, iy)] != 0 ? 1 : 0;
    return count;
}

}  // namespace isobra
