#include <cstdint>

#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"
#include "model/AppState.h"

namespace isobra {

namespace {

bool Inside(int v, int max) { return 0 < v && v < max; }

// The first step j = 1..reach at which the probe finds a value, 0 if none.
// Only the moving coordinates are tested, so a border node can find values
// along its own border line.
int Probe(const PressureGrid& grid, const GridSettings& s, int ix, int iy, int dx, int dy, int reach) {
    for (int j = 1; j <= reach; ++j) {
        const int x = ix + dx * j;
        const int y = iy + dy * j;
        if (dx != 0 && !Inside(x, s.gridMaxX)) return 0;
        if (dy != 0 && !Inside(y, s.gridMaxY)) return 0;
        if (grid.at(x, y) != 0) return j;
    }
    return 0;
}

int Span(int a, int b) { return a > 0 && b > 0 ? a + b : 0; }

// Linear interpolation between G(p) at distance dp and G(q) at distance dq:
// (dq * G(p) + dp * G(q)) / (dp + dq). Products and sum are integers (they
// stay far inside 32 bits), the division is double.
std::int32_t Between(std::int32_t gp, int dp, std::int32_t gq, int dq) {
    const std::int64_t num = static_cast<std::int64_t>(dq) * gp + static_cast<std::int64_t>(dp) * gq;
    return RoundHalfEven(static_cast<double>(num) / static_cast<double>(dp + dq));
}

}  // namespace

Neighbours FindNeighbours(const PressureGrid& grid, const GridSettings& s, int ix, int iy, int reach) {
    Neighbours d;
    const int diagonal = reach - 2;
    d.d6 = Probe(grid, s, ix, iy, +1, 0, reach);
    d.d2 = Probe(grid, s, ix, iy, 0, +1, reach);
    d.d4 = Probe(grid, s, ix, iy, -1, 0, reach);
    d.d8 = Probe(grid, s, ix, iy, 0, -1, reach);
    d.d3 = Probe(grid, s, ix, iy, +1, +1, diagonal);
    d.d9 = Probe(grid, s, ix, iy, +1, -1, diagonal);
    d.d7 = Probe(grid, s, ix, iy, -1, -1, diagonal);
    d.d1 = Probe(grid, s, ix, iy, -1, +1, diagonal);
    return d;
}

void InterpolatePass(AppState& state) {
    const GridSettings& s = state.grid;
    const PressureGrid& grid = state.pressureGrid;
    WorkGrid& work = state.workGrid;
    for (int iy = 0; iy <= s.gridMaxY; ++iy) {
        for (int ix = 0; ix <= s.gridMaxX; ++ix) {
            const std::int32_t here = grid.at(ix, iy);
            if (here != 0) {
                work.at(ix, iy) = here;
                continue;
            }
            // A value an earlier pass left in the work grid stays.
            if (work.at(ix, iy) != 0) continue;

            const Neighbours d = FindNeighbours(grid, s, ix, iy, 5);
            const int a0 = Span(d.d4, d.d6);
            const int a1 = Span(d.d1, d.d9);
            const int a2 = Span(d.d8, d.d2);
            const int a3 = Span(d.d7, d.d3);
            // The shortest span wins; on equal spans the earlier axis stays.
            int axis = -1;
            int bound = 100;
            if (a0 > 0) {
                axis = 0;
                bound = a0;
            }
            const int spans[] = {a0, a1, a2, a3};
            for (int i = 1; i < 4; ++i) {
                if (spans[i] > 0 && spans[i] < bound) {
                    axis = i;
                    bound = spans[i];
                }
            }
            switch (axis) {
            case 0:
                work.at(ix, iy) = Between(grid.at(ix - d.d4, iy), d.d4, grid.at(ix + d.d6, iy), d.d6);
                break;
            case 1:
                work.at(ix, iy) = Between(grid.at(ix + d.d9, iy - d.d9), d.d9, grid.at(ix - d.d1, iy + d.d1), d.d1);
                break;
            case 2:
                work.at(ix, iy) = Between(grid.at(ix, iy - d.d8), d.d8, grid.at(ix, iy + d.d2), d.d2);
                break;
            case 3:
                work.at(ix, iy) = Between(grid.at(ix - d.d7, iy - d.d7), d.d7, grid.at(ix + d.d3, iy + d.d3), d.d3);
                break;
            default:
                break;
            }
        }
    }
    for (int iy = 0; iy <= s.gridMaxY; ++iy)
        for (int ix = 0; ix <= s.gridMaxX; ++ix) state.pressureGrid.at(ix, iy) = work.at(ix, iy);
}

int CountNodesWithValue(const PressureGrid& grid, const GridSettings& s) {
    int count = 0;
    for (int iy = 0; iy <= s.gridMaxY; ++iy)
        for (int ix = 0; ix <= s.gridMaxX; ++ix) count += grid.at(ix, iy) != 0 ? 1 : 0;
    return count;
}

}  // namespace isobra
