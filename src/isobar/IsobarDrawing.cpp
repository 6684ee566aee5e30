#include "isobar/IsobarDrawing.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "isobar/GridMath.h"
#include "model/PlotKinds.h"

namespace isobra {

namespace {

struct Point {
    int x;
    int y;
};

// One cell's corners as single-precision values: a top left, b top right,
// c bottom right, d bottom left (y grows downwards).
struct Cell {
    int ix, iy;
    float a, b, c, d;
};

// Draws the isobar at level L through one cell. Corner differences of
// exactly 0 become eps, so a corner on the level counts as above it and a
// cell always has 0, 2 or 4 crossings.
void TraceLevel(MapCanvas& canvas, const GridSettings& s, const Cell& cell, float level, float eps, Colour colour) {
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
    Point p[4];
    int n = 0;
    if (db * da < 0.0f) p[n++] = {RoundHalfEven(left - da * w / (b - a)), static_cast<int>(top)};
    if (dc * db < 0.0f) p[n++] = {static_cast<int>(left + w), RoundHalfEven(top - db * h / (c - b))};
    if (dd * dc < 0.0f) p[n++] = {RoundHalfEven(dd * w / (d - c) + left), static_cast<int>(top + h)};
    if (dd * da < 0.0f) p[n++] = {static_cast<int>(left), RoundHalfEven(da * h / (a - d) + top)};

    auto line = [&](const Point& from, const Point& to) {
        canvas.DrawLine(static_cast<float>(from.x), static_cast<float>(from.y), static_cast<float>(to.x),
                        static_cast<float>(to.y), colour);
    };
    if (n == 2) {
        line(p[0], p[1]);
    } else if (n == 4) {
        // A saddle: P1 is joined to the nearer of P2 and P4; a tie joins P4.
        auto squared = [](const Point& u, const Point& v) {
            const std::int64_t dy = u.y - v.y;
            const std::int64_t dx = u.x - v.x;
            return static_cast<float>(dy * dy + dx * dx);
        };
        const float s12 = squared(p[0], p[1]);
        const float s14 = squared(p[0], p[3]);
        if (s12 < s14) {
            line(p[2], p[3]);
            line(p[0], p[1]);
        } else {
            line(p[0], p[3]);
            line(p[1], p[2]);
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

void DrawCentreLetters(MapCanvas& canvas, const PlotTable& table) {
    for (int k = table.FirstFisherySlot(); k <= table.LastSlot(); ++k) {
        const PlotSlot& p = table.slot(k);
        const std::string_view letter = CentreLetter(p.kind);
        if (letter.empty()) continue;
        if (p.x < 8 || p.x > 391 || p.y < 8 || p.y > 391) continue;
        canvas.DrawTextAt(static_cast<float>(p.x), static_cast<float>(p.y), std::string(letter));
    }
}

}  // namespace

void DrawIsobars(MapCanvas& canvas, const PressureField& field, Colour colour, float interval, float halfInterval) {
    const GridSettings& s = field.grid;
    const PressureGrid& grid = field.pressureGrid;
    const std::int32_t step = RoundHalfEven(interval);
    if (step > 0) {
        const Divider divide(step);
        for (int iy = 1; iy <= s.gridMaxY - 2; ++iy) {
            for (int ix = 1; ix <= s.gridMaxX - 2; ++ix) {
                const std::int32_t ga = grid.at(ix, iy), gb = grid.at(ix + 1, iy);
                const std::int32_t gc = grid.at(ix + 1, iy + 1), gd = grid.at(ix, iy + 1);
                const std::int32_t scale = s.pressureScale;
                if (!Plausible(ga, scale) || !Plausible(gb, scale) || !Plausible(gc, scale) || !Plausible(gd, scale))
                    continue;
                const Cell cell{ix,
                                iy,
                                static_cast<float>(ga),
                                static_cast<float>(gb),
                                static_cast<float>(gc),
                                static_cast<float>(gd)};
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
                    if (lo <= level && level <= hi) TraceLevel(canvas, s, cell, level, eps, colour);
                }
            }
        }
    }
    DrawCentreLetters(canvas, field.plotTable);
}

void DrawIsobars(MapCanvas& canvas, const PressureField& field, Colour colour) {
    DrawIsobars(canvas, field, colour, field.grid.isobarInterval, field.grid.isobarHalfInterval);
}

}  // namespace isobra
