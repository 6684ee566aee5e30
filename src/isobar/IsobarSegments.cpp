#include "isobar/IsobarSegments.h"

#include <algorithm>

#include "canvas/MapCanvas.h"
#include "isobar/GridMath.h"
#include "model/GridSettings.h"
#include "model/PressureGrid.h"

namespace isobra {

namespace {

struct Crossing {
    std::int32_t x;
    std::int32_t y;
    CellEdge edge;
};

// One cell's corners as single-precision values: a top left, b top right,
// c bottom right, d bottom left (y grows downwards).
struct Cell {
    int ix, iy;
    float a, b, c, d;
};

// The isobar at level L through one cell. Corner differences of exactly 0
// become eps, so a corner on the level counts as above it and a cell always
// has 0, 2 or 4 crossings.
void TraceLevel(const GridSettings& s, const Cell& cell, float level, float eps, std::vector<IsobarSegment>& out) {
    auto diff = [&](float v) {
        const float d = v - level;
        return d == 0.0f ? eps : d;
    };
    const float da = diff(cell.a);
    const float db = diff(cell.b);
    const float dc = diff(cell.c);
    const float dd = diff(cell.d);
    // Crossings in double from the single-precision values.
    const double w = s.cellWidth;
    const double h = s.cellHeight;
    const double left = static_cast<double>(cell.ix) * w;
    const double top = static_cast<double>(cell.iy) * h;
    const double a = cell.a, b = cell.b, c = cell.c, d = cell.d;
    Crossing p[4];
    int n = 0;
    if (db * da < 0.0f) p[n++] = {RoundHalfEven(left - da * w / (b - a)), static_cast<int>(top), CellEdge::Top};
    if (dc * db < 0.0f) p[n++] = {static_cast<int>(left + w), RoundHalfEven(top - db * h / (c - b)), CellEdge::Right};
    if (dd * dc < 0.0f) p[n++] = {RoundHalfEven(dd * w / (d - c) + left), static_cast<int>(top + h), CellEdge::Bottom};
    if (dd * da < 0.0f) p[n++] = {static_cast<int>(left), RoundHalfEven(da * h / (a - d) + top), CellEdge::Left};

    auto segment = [&](const Crossing& from, const Crossing& to) {
        out.push_back({level, from.x, from.y, to.x, to.y, static_cast<std::int16_t>(cell.ix),
                       static_cast<std::int16_t>(cell.iy), from.edge, to.edge});
    };
    if (n == 2) {
        segment(p[0], p[1]);
    } else if (n == 4) {
        // A saddle: P1 is joined to the nearer of P2 and P4; a tie joins P4.
        auto squared = [](const Crossing& u, const Crossing& v) {
            const std::int64_t dy = u.y - v.y;
            const std::int64_t dx = u.x - v.x;
            return static_cast<float>(dy * dy + dx * dx);
        };
        const float s12 = squared(p[0], p[1]);
        const float s14 = squared(p[0], p[3]);
        if (s12 < s14) {
            segment(p[2], p[3]);
            segment(p[0], p[1]);
        } else {
            segment(p[0], p[3]);
            segment(p[1], p[2]);
        }
    }
}

// a / step truncated, for 0 <= a < 2^31 and 0 < step: a multiplication by
// the reciprocal, corrected to the exact quotient, in place of a division
// that would cost more than the rest of a cell's work.
class Divider {
public:
    explicit Divider(std::int32_t step) : step_(step), inverse_(1.0 / step) {}
    std::int32_t Quotient(std::int32_t a) const {
        if (a < 0) return a / step_;
        std::int64_t q = static_cast<std::int64_t>(static_cast<double>(a) * inverse_);
        while (q * step_ > a) --q;
        while ((q + 1) * step_ <= a) ++q;
        return static_cast<std::int32_t>(q);
    }

private:
    std::int64_t step_;
    double inverse_;
};

bool Plausible(std::int32_t v, std::int32_t scale) {
    return static_cast<std::int64_t>(v) > 800LL * scale && static_cast<std::int64_t>(v) < 1200LL * scale;
}

}  // namespace

std::vector<IsobarSegment> TraceIsobarSegments(const PressureGrid& grid, const GridSettings& s, float interval,
                                               float halfInterval) {
    return TraceIsobarSegments(grid, s, interval, halfInterval, CellRange{1, 1, s.gridMaxX - 2, s.gridMaxY - 2});
}

std::vector<IsobarSegment> TraceIsobarSegments(const PressureGrid& grid, const GridSettings& s, float interval,
                                               float halfInterval, const CellRange& cells) {
    std::vector<IsobarSegment> out;
    const std::int32_t step = RoundHalfEven(interval);
    if (step <= 0) return out;
    const Divider divide(step);
    const int firstY = std::max(cells.firstY, 1), lastY = std::min(cells.lastY, s.gridMaxY - 2);
    const int firstX = std::max(cells.firstX, 1), lastX = std::min(cells.lastX, s.gridMaxX - 2);
    for (int iy = firstY; iy <= lastY; ++iy) {
        for (int ix = firstX; ix <= lastX; ++ix) {
            const std::int32_t ga = grid.at(ix, iy), gb = grid.at(ix + 1, iy);
            const std::int32_t gc = grid.at(ix + 1, iy + 1), gd = grid.at(ix, iy + 1);
            const std::int32_t scale = s.pressureScale;
            if (!Plausible(ga, scale) || !Plausible(gb, scale) || !Plausible(gc, scale) || !Plausible(gd, scale))
                continue;
            const Cell cell{
                ix, iy, static_cast<float>(ga), static_cast<float>(gb), static_cast<float>(gc), static_cast<float>(gd)};
            if (cell.a == cell.b && cell.b == cell.c && cell.c == cell.d) continue;
            const float lo = std::min({cell.a, cell.b, cell.c, cell.d});
            const float hi = std::max({cell.a, cell.b, cell.c, cell.d});
            const float eps = (hi - lo) / 1000.0f;
            // Levels are multiples of the interval; k1 can give one level
            // below lo, which the range test skips.
            const std::int32_t k1 = divide.Quotient(RoundHalfEven(lo + halfInterval));
            const std::int32_t k2 = divide.Quotient(RoundHalfEven(hi));
            const float last = interval * static_cast<float>(k2);
            for (float level = interval * static_cast<float>(k1); level <= last; level += interval) {
                if (lo <= level && level <= hi) TraceLevel(s, cell, level, eps, out);
            }
        }
    }
    return out;
}

void DrawIsobarSegments(MapCanvas& canvas, const std::vector<IsobarSegment>& segments, Colour colour) {
    for (const IsobarSegment& g : segments)
        canvas.DrawLine(static_cast<float>(g.x1), static_cast<float>(g.y1), static_cast<float>(g.x2),
                        static_cast<float>(g.y2), colour);
}

}  // namespace isobra
