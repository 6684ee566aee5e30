#include <algorithm>
#include <array>
#include <cstdint>

#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"
#include "map/MapProjection.h"
#include "model/PlotKinds.h"
#include "model/PressureField.h"

namespace isobra {

namespace {

// hPa to grid units. Observations read from files stay within +-9999 hPa;
// anything wilder saturates at what a grid node may hold.
std::int32_t ToGridUnits(std::int32_t hpa, std::int32_t scale) {
    const std::int64_t v = static_cast<std::int64_t>(hpa) * scale;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, -kGridValueLimit, kGridValueLimit));
}

}  // namespace

bool PlotTableFits(int stationCount, int shipCount, int fisheryCount) {
    if (stationCount < 0 || shipCount < 0 || fisheryCount < 0) return false;
    return stationCount + shipCount + fisheryCount <= kSlotCount - 1;
}

Status BuildPlotTable(const ObservationSet& obs, PressureField& field) {
    const int n = obs.stationCount();
    const int s = obs.shipCount();
    const int f = obs.fisheryCount();
    if (!PlotTableFits(n, s, f))
        return Status::Fail("地点、船舶の報告、漁業気象の合計が" + std::to_string(n + s + f) +
                            "件あり、100件までしか扱えないため、等圧線を計算できません。"
                            "船舶の報告か漁業気象の数を減らしてください。");
    const std::int32_t scale = field.grid.pressureScale;
    PlotTable& table = field.plotTable;

    // Slot n, the free slot after the last station, takes station n's
    // position but no pressure: after a file with fewer stations was loaded,
    // the report still standing in that slot belongs to no station in use.
    for (int k = 0; k <= n; ++k) {
        const CanvasPoint p = obs.stationPosition(k);
        const std::int32_t pressure = k < n ? ToGridUnits(obs.land(k).pressure, scale) : 0;
        table.slot(k) = PlotSlot{p.x, p.y, pressure, obs.stationName(k)};
    }
    // Ship slots have no kind of their own.
    for (int k = 0; k < s; ++k) {
        const ShipReport& ship = obs.ship(k);
        const CanvasPoint p = ProjectPosition(ship.latitude, ship.longitude);
        table.slot(n + 1 + k) = PlotSlot{p.x, p.y, ToGridUnits(ship.pressure, scale), {}};
    }
    for (int k = 0; k < f; ++k) {
        const FisheryEntry& entry = obs.fishery(k);
        const CanvasPoint p = ProjectPosition(entry.latitude, entry.longitude);
        table.slot(n + s + 1 + k) = PlotSlot{p.x, p.y, ToGridUnits(entry.pressure, scale), entry.kind};
    }
    table.lastPlotIndex = n + s + f;
    table.stationCount = n;
    table.shipCount = s;
    table.fisheryCount = f;

    // The whole storage, not only the nodes in use: an isobar point may land
    // on a node beyond 25, and a value left there by an earlier construction
    // must not decide whether this one joins two points.
    field.pressureGrid.Fill(0);
    field.workGrid.Fill(0);
    return {};
}

void SeedCellMeans(PressureField& field) {
    const GridSettings& g = field.grid;
    const PlotTable& table = field.plotTable;
    const int firstFishery = table.FirstFisherySlot();

    // The cell of node (ix, iy) is ix*w - w <= x <= ix*w (both ends, so a
    // point on a vertical cell line feeds two nodes) and iy*h - h < y <= iy*h.
    // Instead of testing every slot against every node, each slot is added to
    // the (at most two) nodes whose cells hold it; integer sums do not depend
    // on the order of adding.
    constexpr int kSide = NodeTable::kSize;
    std::array<std::int64_t, kSide * kSide> sums{};
    std::array<std::int32_t, kSide * kSide> counts{};
    std::array<bool, kSide * kSide> centres{};
    // The scan starts at slot 1: slot 0, 石垣島, has never fed the cell means.
    // Its pressure still counts towards the question about too few pressures
    // and its symbols are drawn, but the grid around it is filled from the
    // other observations; taking it in would move the isobars near 石垣島 away
    // from those every earlier map of the same report showed.
    for (int k = 1; k <= table.LastSlot(); ++k) {
        const PlotSlot& p = table.slot(k);
        if (p.pressure <= 0) continue;
        const bool centre = k >= firstFishery && IsCentreKind(p.kind);
        const std::int64_t x = p.x;
        const std::int64_t y = p.y;
        const std::int64_t iy = y > 0 ? (y + g.cellHeight - 1) / g.cellHeight : -((-y) / g.cellHeight);
        if (iy < 0 || iy > g.gridMaxY) continue;
        const std::int64_t ixLow = x >= 0 ? x / g.cellWidth : -((-x + g.cellWidth - 1) / g.cellWidth);
        for (std::int64_t ix = ixLow; ix <= ixLow + 1; ++ix) {
            if (ix < 0 || ix > g.gridMaxX) continue;
            if (!(ix * g.cellWidth - g.cellWidth <= x && x <= ix * g.cellWidth)) continue;
            const std::size_t at = static_cast<std::size_t>(iy * kSide + ix);
            sums[at] += p.pressure;
            ++counts[at];
            centres[at] = centres[at] || centre;
        }
    }

    for (int iy = 0; iy <= g.gridMaxY; ++iy) {
        for (int ix = 0; ix <= g.gridMaxX; ++ix) {
            const int at = iy * kSide + ix;
            field.centreMarks.at(ix, iy) = centres[at] ? -1 : 0;
            if (counts[at] > 0)
                field.pressureGrid.at(ix, iy) =
                    RoundHalfEven(static_cast<double>(sums[at]) / static_cast<double>(counts[at]));
        }
    }
}

int ImposeIsobarEntries(PressureField& field) {
    const GridSettings& g = field.grid;
    const PlotTable& table = field.plotTable;
    PressureGrid& grid = field.pressureGrid;
    int leftOut = 0;
    for (int k = table.FirstFisherySlot(); k <= table.LastSlot(); ++k) {
        const PlotSlot& here = table.slot(k);
        if (!IsIsobarKind(here.kind)) continue;
        const int ax = NearestNode(here.x, g.cellWidth);
        const int ay = NearestNode(here.y, g.cellHeight);
        if (!NodeTable::Contains(ax, ay)) {
            ++leftOut;
            continue;
        }
        const std::int32_t v = here.pressure;
        grid.at(ax, ay) = v;

        if (k + 1 > table.LastSlot()) continue;
        const PlotSlot& next = table.slot(k + 1);
        if (!IsIsobarKind(next.kind)) continue;
        const int bx = NearestNode(next.x, g.cellWidth);
        const int by = NearestNode(next.y, g.cellHeight);
        // The next point's own value is written on its turn; the segment is
        // drawn only when the grid already holds this point's value there.
        if (!NodeTable::Contains(bx, by) || grid.at(bx, by) != v) continue;

        // Segments run towards larger indices only.
        if (ax == bx)
            for (int j = ay; j <= std::max(ay, by); ++j) grid.at(ax, j) = v;
        if (ay == by)
            for (int i = ax; i <= std::max(ax, bx); ++i) grid.at(i, ay) = v;
        if (ax != bx && ay != by) {
            // Single precision throughout, including the 0.2 step, which
            // drifts: from 0 the steps reach 2.8 but not 3.
            const float m = static_cast<float>(ay - by) / static_cast<float>(ax - bx);
            const float c = static_cast<float>(by) - m * static_cast<float>(bx);
            const float end = static_cast<float>(std::max(ax, bx));
            for (float t = static_cast<float>(ax); t <= end; t += 0.2f) {
                const float line = m * t + c;
                const int px = RoundHalfEven(t);
                const int py = RoundHalfEven(line);
                if (NodeTable::Contains(px, py)) grid.at(px, py) = v;
            }
        }
    }
    return leftOut;
}

}  // namespace isobra
