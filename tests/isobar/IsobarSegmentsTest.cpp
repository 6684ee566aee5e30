#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "GridTestSupport.h"
#include "IsobarMaps.h"
#include "canvas/RecordingCanvas.h"
#include "isobar/GridMath.h"
#include "isobar/IsobarDrawing.h"
#include "isobar/IsobarSegments.h"
#include "model/PlotKinds.h"

namespace isobra {
namespace {

// The isobar drawing as it was before the tracing gave segments: the cells
// traced and drawn directly onto the canvas. Kept here, unchanged, as the
// reference every picture without labels must match call for call.
namespace before {

struct Point {
    int x;
    int y;
};

struct Cell {
    int ix, iy;
    float a, b, c, d;
};

void TraceLevel(MapCanvas& canvas, const GridSettings& s, const Cell& cell, float level, float eps, Colour colour) {
    auto diff = [&](float v) {
        const float d = v - level;
        return d == 0.0f ? eps : d;
    };
    const float da = diff(cell.a);
    const float db = diff(cell.b);
    const float dc = diff(cell.c);
    const float dd = diff(cell.d);
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

void DrawIsobars(MapCanvas& canvas, const PressureField& state, Colour colour, float interval, float halfInterval) {
    const GridSettings& s = state.grid;
    const PressureGrid& grid = state.pressureGrid;
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
                const std::int32_t k1 = divide.Quotient(RoundHalfEven(lo + halfInterval));
                const std::int32_t k2 = divide.Quotient(RoundHalfEven(hi));
                const float last = interval * static_cast<float>(k2);
                for (float level = interval * static_cast<float>(k1); level <= last; level += interval) {
                    if (lo <= level && level <= hi) TraceLevel(canvas, s, cell, level, eps, colour);
                }
            }
        }
    }
    const PlotTable& table = state.plotTable;
    for (int k = table.FirstFisherySlot(); k <= table.lastPlotIndex; ++k) {
        const PlotSlot& p = table.slot(k);
        const std::string_view letter = CentreLetter(p.kind);
        if (letter.empty()) continue;
        if (p.x < 8 || p.x > 391 || p.y < 8 || p.y > 391) continue;
        canvas.DrawTextAt(static_cast<float>(p.x), static_cast<float>(p.y), std::string(letter));
    }
}

}  // namespace before

// The number of calls, so that a caller can see the case drew something.
std::size_t ExpectSameAsBefore(const PressureField& state, float interval, float half, const std::string& what) {
    const Colour colour = MakeColour(0, 0, 255);
    RecordingCanvas now, then;
    DrawIsobars(now, state, colour, interval, half);
    before::DrawIsobars(then, state, colour, interval, half);
    EXPECT_EQ(now.calls, then.calls) << what << ": " << now.calls.size() << " calls against " << then.calls.size();
    return then.calls.size();
}

TEST(IsobarSegments, TheDrawingIsCallForCallWhatItWas) {
    const PressureField winter = test::WinterMap().field;
    for (const float interval : {200.0f, 100.0f, 50.0f, 400.0f})
        EXPECT_GT(ExpectSameAsBefore(winter, interval, interval / 2, "winter, interval " + std::to_string(interval)),
                  200u);
    // Fractional intervals miss most levels (the divisor is rounded), but
    // miss them the same way.
    for (const float interval : {33.3f, 250.5f, 199.6f})
        ExpectSameAsBefore(winter, interval, interval / 2, "winter, interval " + std::to_string(interval));

    // Smooth and rough random fields; node values on a level, 0 and
    // implausible values sprinkled in; letters from a plot table.
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        PressureField state = test::EmptyPlotState();
        test::FillRandomField(state, seed, 2 + static_cast<int>(seed % 7), seed % 3 == 0 ? 400 : 0);
        for (int k = 0; k < 20; ++k) {
            const int ix = static_cast<int>((seed * 7 + k * 13) % 26), iy = static_cast<int>((seed * 11 + k * 5) % 26);
            state.pressureGrid.at(ix, iy) = k < 14 ? (state.pressureGrid.at(ix, iy) / 200) * 200 : (k < 17 ? 0 : 80000);
        }
        test::AddItem(state, "高気圧", 100 + static_cast<int>(seed), 120, 103600);
        test::AddItem(state, "台風", 395, 200, 0);
        const float interval = seed % 4 == 0 ? 100.0f : 200.0f;
        EXPECT_GT(ExpectSameAsBefore(state, interval, interval / 2, "seed " + std::to_string(seed)), 50u);
    }
}

TEST(IsobarSegments, SegmentsCarryTheirLevelCellAndEdges) {
    PressureField state = test::EmptyPlotState();
    // Cell (5, 5): a saddle at 101200 and a plain crossing at 101000 is
    // not there (all corners above); corners a..d clockwise from top left.
    state.pressureGrid.at(5, 5) = 101300;
    state.pressureGrid.at(6, 5) = 101100;
    state.pressureGrid.at(6, 6) = 101300;
    state.pressureGrid.at(5, 6) = 101100;
    const std::vector<IsobarSegment> segments = TraceIsobarSegments(state.pressureGrid, state.grid, 200, 100);
    ASSERT_EQ(segments.size(), 2u);
    EXPECT_EQ(segments[0], (IsobarSegment{101200, 88, 80, 80, 88, 5, 5, CellEdge::Top, CellEdge::Left}));
    EXPECT_EQ(segments[1], (IsobarSegment{101200, 96, 88, 88, 96, 5, 5, CellEdge::Right, CellEdge::Bottom}));
}

}  // namespace
}  // namespace isobra
