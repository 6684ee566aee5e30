#include <cstdint>

#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"
#include "model/AppState.h"

namespace isobra {

void SmoothPass(AppState& state) {
    static constexpr int kNeighbours[8][2] = {{+1, 0}, {+1, -1}, {0, -1}, {-1, -1},
                                              {-1, 0}, {-1, +1}, {0, +1}, {+1, +1}};
    const GridSettings& s = state.grid;
    const PressureGrid& grid = state.pressureGrid;
    WorkGrid& work = state.workGrid;
    for (int iy = 0; iy <= s.gridMaxY; ++iy) {
        for (int ix = 0; ix <= s.gridMaxX; ++ix) {
            // Centre-marked nodes keep what the work grid holds.
            if (state.centreMarks.at(ix, iy) == -1) continue;
            double sum = 0.0;
            int count = 0;
            for (const auto& n : kNeighbours) {
                const int x = ix + n[0];
                const int y = iy + n[1];
                if (!(0 < x && x < s.gridMaxX && 0 < y && y < s.gridMaxY)) continue;
                const std::int32_t v = grid.at(x, y);
                if (v <= 0) continue;
                sum += v;
                ++count;
            }
            if (count == 0) continue;
            std::int32_t smoothed = RoundHalfEven(sum / count);
            const std::int32_t own = grid.at(ix, iy);
            if (own > 0) smoothed = RoundHalfEven(static_cast<double>(static_cast<std::int64_t>(smoothed) + own) / 2.0);
            work.at(ix, iy) = smoothed;
        }
    }
    for (int iy = 0; iy <= s.gridMaxY; ++iy)
        for (int ix = 0; ix <= s.gridMaxX; ++ix) state.pressureGrid.at(ix, iy) = work.at(ix, iy);
}

}  // namespace isobra
