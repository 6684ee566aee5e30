#include "isobar/CentreRings.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"
#include "isobar/PlotKinds.h"
#include "model/AppState.h"

namespace isobra {

namespace {

// r x cos(theta) and r x sin(theta) in double for the rings the
// construction uses, computed once. Adding the centre node afterwards gives
// exactly the value the direct formula floor(r cos theta + cx) floors.
constexpr int kTabledRings = 8;

struct RingOffsets {
    std::vector<double> dx;
    std::vector<double> dy;
};

RingOffsets ComputeOffsets(int r) {
    RingOffsets o;
    for (float theta : CentreRingAngles()) {
        o.dx.push_back(r * std::cos(static_cast<double>(theta)));
        o.dy.push_back(r * std::sin(static_cast<double>(theta)));
    }
    return o;
}

const RingOffsets& OffsetsOf(int r, RingOffsets& scratch) {
    static const std::array<RingOffsets, kTabledRings + 1> table = [] {
        std::array<RingOffsets, kTabledRings + 1> t;
        for (int i = 1; i <= kTabledRings; ++i) t[static_cast<std::size_t>(i)] = ComputeOffsets(i);
        return t;
    }();
    if (r >= 1 && r <= kTabledRings) return table[static_cast<std::size_t>(r)];
    scratch = ComputeOffsets(r);
    return scratch;
}

// Calls fn(px, py) for each angle whose ring node is interior; a node met
// by several angles is visited once per angle.
template <class Fn>
void ForEachRingNode(const GridSettings& s, int cx, int cy, int r, Fn fn) {
    RingOffsets scratch;
    const RingOffsets& o = OffsetsOf(r, scratch);
    for (std::size_t a = 0; a < o.dx.size(); ++a) {
        const int px = FloorToInt(o.dx[a] + cx);
        const int py = FloorToInt(o.dy[a] + cy);
        if (0 < px && px < s.gridMaxX && 0 < py && py < s.gridMaxY) fn(px, py);
    }
}

// The rounded mean of the non-zero pressure values on ring r; false when
// the ring holds none.
bool RingMean(const AppState& state, int cx, int cy, int r, std::int32_t& mean) {
    double sum = 0.0;
    int count = 0;
    ForEachRingNode(state.grid, cx, cy, r, [&](int px, int py) {
        const std::int32_t v = state.pressureGrid.at(px, py);
        if (v != 0) {
            sum += v;
            ++count;
        }
    });
    if (count == 0) return false;
    mean = RoundHalfEven(sum / count);
    return true;
}

void TakeWorkWhereEmpty(AppState& state) {
    for (int iy = 0; iy <= state.grid.gridMaxY; ++iy)
        for (int ix = 0; ix <= state.grid.gridMaxX; ++ix)
            if (state.pressureGrid.at(ix, iy) == 0) state.pressureGrid.at(ix, iy) = state.workGrid.at(ix, iy);
}

}  // namespace

const std::vector<float>& CentreRingAngles() {
    static const std::vector<float> angles = [] {
        std::vector<float> list;
        const float step = 3.141592f / 16.0f;
        const float limit = 6.283184f - step;
        for (float theta = 0.0f; theta <= limit; theta += step) list.push_back(theta);
        return list;
    }();
    return angles;
}

void FillCentreRings(AppState& state, int rings) {
    const GridSettings& s = state.grid;
    const PlotTable& table = state.plotTable;
    for (int k = table.FirstFisherySlot(); k <= table.lastPlotIndex; ++k) {
        const PlotSlot& p = table.slot(k);
        if (!IsCentreKind(p.kind)) continue;
        // The lower right corner of the cell holding the centre.
        const int cx = CellCornerNode(p.x, s.cellWidth);
        const int cy = CellCornerNode(p.y, s.cellHeight);
        for (int r = 1; r <= rings; ++r) {
            std::int32_t mean = 0;
            if (!RingMean(state, cx, cy, r, mean)) continue;
            ForEachRingNode(s, cx, cy, r, [&](int px, int py) {
                if (state.pressureGrid.at(px, py) == 0) state.workGrid.at(px, py) = mean;
            });
        }
    }
    TakeWorkWhereEmpty(state);
}

void SmoothCentreRings(AppState& state, int rings) {
    const GridSettings& s = state.grid;
    const PlotTable& table = state.plotTable;
    for (int k = table.FirstFisherySlot(); k <= table.lastPlotIndex; ++k) {
        const PlotSlot& p = table.slot(k);
        if (!IsCentreKind(p.kind)) continue;
        // The nearest node this time, not the cell corner.
        const int cx = NearestNode(p.x, s.cellWidth);
        const int cy = NearestNode(p.y, s.cellHeight);
        for (int r = 1; r <= rings; ++r) {
            std::int32_t mean = 0;
            if (!RingMean(state, cx, cy, r, mean)) continue;
            ForEachRingNode(s, cx, cy, r, [&](int px, int py) { state.workGrid.at(px, py) = mean; });
        }
    }
    TakeWorkWhereEmpty(state);
}

}  // namespace isobra
