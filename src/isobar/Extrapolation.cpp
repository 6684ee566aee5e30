#include <cstdint>

#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"
#include "model/AppState.h"

namespace isobra {

namespace {

bool Inside(int v, int max) { return 0 < v && v < max; }

}  // namespace

void ExtrapolateNode(AppState& state, int x, int y) {
    static constexpr int kDirections[8][2] = {{+1, 0}, {+1, -1}, {0, -1}, {-1, -1},
                                              {-1, 0}, {-1, +1}, {0, +1}, {+1, +1}};
    const GridSettings& s = state.grid;
    const PressureGrid& grid = state.pressureGrid;
    double sum = 0.0;
    int count = 0;
    for (const auto& dir : kDirections) {
        const int u = dir[0];
        const int v = dir[1];
        // The far node must be strictly inside where it moves, the node
        // itself interior where it does not.
        if (!Inside(u != 0 ? x + 2 * u : x, s.gridMaxX)) continue;
        if (!Inside(v != 0 ? y + 2 * v : y, s.gridMaxY)) continue;
        const std::int32_t g1 = grid.at(x + u, y + v);
        const std::int32_t g2 = grid.at(x + 2 * u, y + 2 * v);
        if (g1 <= 0 || g2 <= 0) continue;
        // The near value plus two thirds of the step from far to near.
        const std::int64_t diff = 5 * static_cast<std::int64_t>(g1) - 2 * static_cast<std::int64_t>(g2);
        sum += static_cast<double>(diff) / 3.0;
        ++count;
    }
    if (count > 0) state.workGrid.at(x, y) = RoundHalfEven(sum / count);
}

int ExtrapolateSpiral(AppState& state) {
    const GridSettings& s = state.grid;
    // Centre (12, 12) for the 25-node grid: 12.5 rounds to the even 12. The
    // centre itself and the last row and column are never visited.
    const int c = RoundHalfEven(s.gridMaxX / 2.0);
    const int d = RoundHalfEven(s.gridMaxY / 2.0);
    const int turns = RoundHalfEven(s.gridMaxX / 2.0);
    auto visit = [&](int x, int y) {
        if (Inside(x, s.gridMaxX) && Inside(y, s.gridMaxY) && state.pressureGrid.at(x, y) == 0)
            ExtrapolateNode(state, x, y);
    };
    for (int i = 1; i <= turns; ++i) {
        for (int x = c - i; x <= c + i - 1; ++x) visit(x, d - i);      // top
        for (int y = d - i; y <= d + i - 1; ++y) visit(c + i, y);      // right
        for (int x = c - i + 1; x <= c + i; ++x) visit(x, d + i);      // bottom
        for (int y = d - i + 1; y <= d + i; ++y) visit(c - i, y);      // left
    }

    int above = 0;
    for (int iy = 0; iy <= s.gridMaxY; ++iy) {
        for (int ix = 0; ix <= s.gridMaxX; ++ix) {
            std::int32_t& node = state.pressureGrid.at(ix, iy);
            if (node == 0) node = state.workGrid.at(ix, iy);
            if (node > 0) ++above;
        }
    }
    return above < (s.gridMaxY - 1) * (s.gridMaxX - 1) ? 1 : -1;
}

}  // namespace isobra
