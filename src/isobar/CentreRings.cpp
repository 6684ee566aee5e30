#include "isobar/CentreRings.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

#include "isobar/GridAccess.h"
#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"
#include "map/MapProjection.h"
#include "model/PlotKinds.h"
#include "model/PressureField.h"

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

// A ring as whole-node offsets from its centre, each with the number of
// angles that land on it. floor(d + c) is floor(d) + c whenever d lies
// clearly off a whole number (or exactly on one) and c is small enough for
// the sum to stay exact to well within that margin; the table is used only
// then, and only if every offset keeps the margin.
struct RingNode {
    int dx;
    int dy;
    int angles;
};
constexpr double kMargin = 1e-14;
constexpr int kNearCentre = 32;  // |c| + 8 < 64, where a double's spacing is below kMargin / 2

struct RingTable {
    std::array<RingOffsets, kTabledRings + 1> offsets;
    std::array<std::vector<RingNode>, kTabledRings + 1> nodes;
    bool nodesUsable = true;
};

const RingTable& Table() {
    static const RingTable table = [] {
        RingTable t;
        for (int r = 1; r <= kTabledRings; ++r) {
            RingOffsets& o = t.offsets[static_cast<std::size_t>(r)] = ComputeOffsets(r);
            std::vector<RingNode>& nodes = t.nodes[static_cast<std::size_t>(r)];
            for (std::size_t a = 0; a < o.dx.size(); ++a) {
                for (double d : {o.dx[a], o.dy[a]}) {
                    const double gap = std::fabs(d - std::nearbyint(d));
                    if (gap != 0.0 && gap <= kMargin) t.nodesUsable = false;
                }
                const int dx = static_cast<int>(std::floor(o.dx[a]));
                const int dy = static_cast<int>(std::floor(o.dy[a]));
                auto same = [&](const RingNode& n) { return n.dx == dx && n.dy == dy; };
                if (auto it = std::find_if(nodes.begin(), nodes.end(), same); it != nodes.end())
                    ++it->angles;
                else
                    nodes.push_back({dx, dy, 1});
            }
        }
        return t;
    }();
    return table;
}

// Calls fn(px, py, angles) for each interior node of ring r around (cx, cy),
// `angles` being how many of the 31 directions meet it.
template <class Fn>
void ForEachRingNode(const GridSettings& s, int cx, int cy, int r, Fn fn) {
    const GridBounds b(s);
    const RingTable& t = Table();
    const bool tabled = r >= 1 && r <= kTabledRings;
    if (tabled && t.nodesUsable && std::abs(cx) <= kNearCentre && std::abs(cy) <= kNearCentre) {
        for (const RingNode& n : t.nodes[static_cast<std::size_t>(r)])
            if (b.Interior(cx + n.dx, cy + n.dy)) fn(cx + n.dx, cy + n.dy, n.angles);
        return;
    }
    const RingOffsets computed = tabled ? RingOffsets{} : ComputeOffsets(r);
    const RingOffsets& o = tabled ? t.offsets[static_cast<std::size_t>(r)] : computed;
    for (std::size_t a = 0; a < o.dx.size(); ++a) {
        const int px = FloorToInt(o.dx[a] + cx);
        const int py = FloorToInt(o.dy[a] + cy);
        if (b.Interior(px, py)) fn(px, py, 1);
    }
}

// The rounded mean of the non-zero pressure values on ring r, each node
// counted once per angle that meets it; false when the ring holds none.
// The sum is of whole numbers, exact in double in any order.
bool RingMean(const PressureField& field, int cx, int cy, int r, std::int32_t& mean) {
    double sum = 0.0;
    int count = 0;
    ForEachRingNode(field.grid, cx, cy, r, [&](int px, int py, int angles) {
        const std::int32_t v = field.pressureGrid.raw()[NodeIndex(px, py)];
        if (v != 0) {
            sum += static_cast<double>(v) * angles;
            count += angles;
        }
    });
    if (count == 0) return false;
    mean = RoundHalfEven(sum / count);
    return true;
}

void TakeWorkWhereEmpty(PressureField& field) {
    const GridBounds b(field.grid);
    std::int32_t* g = field.pressureGrid.raw();
    const std::int32_t* w = field.workGrid.raw();
    for (int iy = 0; iy <= b.maxY; ++iy)
        for (int ix = 0; ix <= b.maxX; ++ix)
            if (g[NodeIndex(ix, iy)] == 0) g[NodeIndex(ix, iy)] = w[NodeIndex(ix, iy)];
}

}  // namespace

const std::vector<float>& CentreRingAngles() {
    static const std::vector<float> angles = [] {
        std::vector<float> list;
        const float step = static_cast<float>(kMapPi) / 16.0f;
        const float limit = static_cast<float>(2.0 * kMapPi) - step;
        for (float theta = 0.0f; theta <= limit; theta += step) list.push_back(theta);
        return list;
    }();
    return angles;
}

namespace {

// For each high, low and typhoon of the plot table and each ring 1..rings
// around the node `centreNode` gives it that holds any value: set(px, py,
// mean) for every node of the ring. The work grid then goes into the empty
// nodes of the pressure grid.
template <class CentreNode, class Set>
void ForEachRingAroundCentres(PressureField& field, int rings, CentreNode centreNode, Set set) {
    const PlotTable& table = field.plotTable;
    for (int k = table.FirstFisherySlot(); k <= table.LastSlot(); ++k) {
        const PlotSlot& p = table.slot(k);
        if (!IsCentreKind(p.kind)) continue;
        const auto [cx, cy] = centreNode(p);
        for (int r = 1; r <= rings; ++r) {
            std::int32_t mean = 0;
            if (!RingMean(field, cx, cy, r, mean)) continue;
            ForEachRingNode(field.grid, cx, cy, r, [&](int px, int py, int) { set(px, py, mean); });
        }
    }
    TakeWorkWhereEmpty(field);
}

}  // namespace

void FillCentreRings(PressureField& field, int rings) {
    const GridSettings& s = field.grid;
    // The lower right corner of the cell holding the centre.
    auto corner = [&s](const PlotSlot& p) {
        return std::pair{CellCornerNode(p.x, s.cellWidth), CellCornerNode(p.y, s.cellHeight)};
    };
    ForEachRingAroundCentres(field, rings, corner, [&](int px, int py, std::int32_t mean) {
        if (field.pressureGrid.at(px, py) == 0) field.workGrid.at(px, py) = mean;
    });
}

void SmoothCentreRings(PressureField& field, int rings) {
    const GridSettings& s = field.grid;
    // The nearest node this time, not the cell corner.
    auto nearest = [&s](const PlotSlot& p) {
        return std::pair{NearestNode(p.x, s.cellWidth), NearestNode(p.y, s.cellHeight)};
    };
    ForEachRingAroundCentres(field, rings, nearest,
                             [&](int px, int py, std::int32_t mean) { field.workGrid.at(px, py) = mean; });
}

}  // namespace isobra
