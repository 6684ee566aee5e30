#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <set>
#include <utility>
#include <vector>

#include "canvas/Raster.h"
#include "canvas/RecordingCanvas.h"

namespace isobra {
namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels Collect(const std::function<void(const PlotFn&)>& draw) {
    Pixels out;
    draw([&](int x, int y) { out.insert({x, y}); });
    return out;
}

TEST(Canvas, PenPositionRules) {
    RecordingCanvas canvas;
    canvas.DrawLine(1, 2, 30, 40, 5);
    EXPECT_EQ(canvas.penX(), 30);
    EXPECT_EQ(canvas.penY(), 40);
    canvas.DrawLineTo(50, 60, 6);
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[1].x1, 30);
    EXPECT_EQ(canvas.calls[1].y1, 40);
    EXPECT_EQ(canvas.calls[1].colour, 6u);
    canvas.DrawCircle(100, 110, 5, 7);
    EXPECT_EQ(canvas.penX(), 100);
    EXPECT_EQ(canvas.penY(), 110);
    canvas.DrawTextAt(12.5f, 13, "高");
    EXPECT_EQ(canvas.penX(), 12.5f);
    EXPECT_EQ(canvas.calls.back().text, "高");
    canvas.DrawArc(20, 21, 4, 8, 0, 3.14f);
    EXPECT_EQ(canvas.penX(), 20);
    EXPECT_EQ(canvas.penY(), 21);
}

TEST(Raster, PixelRoundingIsHalvesToEven) {
    EXPECT_EQ(PixelOf(2.5f), 2);
    EXPECT_EQ(PixelOf(3.5f), 4);
    EXPECT_EQ(PixelOf(-0.5f), 0);
    EXPECT_EQ(PixelOf(7.49f), 7);
    EXPECT_EQ(PixelOf(std::numeric_limits<float>::infinity()), 1 << 20);
}

TEST(Raster, LinesIncludeBothEndsAndAreOnePixelWide) {
    Pixels h = Collect([](const PlotFn& p) { RasterLine(2, 3, 9, 3, 100, 100, p); });
    EXPECT_EQ(h.size(), 8u);
    EXPECT_TRUE(h.count({2, 3}) && h.count({9, 3}));
    Pixels d = Collect([](const PlotFn& p) { RasterLine(0, 0, 10, 5, 100, 100, p); });
    EXPECT_EQ(d.size(), 11u);  // one pixel per column on a shallow line
    EXPECT_TRUE(d.count({0, 0}) && d.count({10, 5}));
    Pixels single = Collect([](const PlotFn& p) { RasterLine(4, 4, 4, 4, 100, 100, p); });
    EXPECT_EQ(single, (Pixels{{4, 4}}));
    // Reversed direction lights the same end points.
    Pixels back = Collect([](const PlotFn& p) { RasterLine(10, 5, 0, 0, 100, 100, p); });
    EXPECT_EQ(back.size(), 11u);
}

TEST(Raster, LinesAreClippedNotWrapped) {
    Pixels p = Collect([](const PlotFn& f) { RasterLine(-5, 2, 5, 2, 4, 4, f); });
    EXPECT_EQ(p, (Pixels{{0, 2}, {1, 2}, {2, 2}, {3, 2}}));
    Pixels none = Collect([](const PlotFn& f) { RasterLine(-1000000, -5, 1000000, -5, 635, 425, f); });
    EXPECT_TRUE(none.empty());
}

// The walk every line was drawn with before clipping: each pixel from end
// to end, those outside the box dropped. Returned in drawing order.
std::vector<std::pair<int, int>> UnclippedLine(int x1, int y1, int x2, int y2, int w, int h) {
    std::vector<std::pair<int, int>> out;
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    int err = dx + dy, x = x1, y = y1;
    for (;;) {
        if (x >= 0 && y >= 0 && x < w && y < h) out.emplace_back(x, y);
        if (x == x2 && y == y2) break;
        const int e2 = 2 * err;
        if (e2 >= dy) err += dy, x += sx;
        if (e2 <= dx) err += dx, y += sy;
    }
    return out;
}

std::vector<std::pair<int, int>> ClippedLine(int x1, int y1, int x2, int y2, int w, int h) {
    std::vector<std::pair<int, int>> out;
    RasterLine(x1, y1, x2, y2, w, h, [&](int x, int y) { out.emplace_back(x, y); });
    return out;
}

TEST(Raster, ClippingChangesNoPixelInsideTheBox) {
    struct Line {
        const char* what;
        int x1, y1, x2, y2;
    };
    // A 400 x 400 canvas; each line crosses it or ends outside it.
    const Line lines[] = {
        {"out by the left edge", 200, 150, -300, 170},
        {"out by the right edge", 200, 150, 900, 101},
        {"out by the top edge", 120, 200, 160, -700},
        {"out by the bottom edge", 120, 200, 97, 1000},
        {"in by the left, out by the bottom", -50, 10, 300, 450},
        {"in by the top, out by the right", 30, -20, 470, 380},
        {"across both corners", -1000, -999, 1400, 1401},
        {"steep, through the top and bottom", 201, -900000, 199, 900000},
        {"shallow, through both sides", -1000000, 211, 1000000, 189},
        {"along the last column", 399, -50, 399, 450},
        {"along the last row", -50, 399, 450, 399},
        {"just outside the last row", -50, 400, 450, 400},
        {"to a front item far away", 150, 150, -1000000, -1000000},
        {"a 45-degree line", -100, -100, 500, 500},
        {"a point inside", 7, 9, 7, 9},
    };
    for (const Line& l : lines) {
        EXPECT_EQ(ClippedLine(l.x1, l.y1, l.x2, l.y2, 400, 400), UnclippedLine(l.x1, l.y1, l.x2, l.y2, 400, 400))
            << l.what;
        EXPECT_EQ(ClippedLine(l.x2, l.y2, l.x1, l.y1, 400, 400), UnclippedLine(l.x2, l.y2, l.x1, l.y1, 400, 400))
            << l.what << ", drawn backwards";
    }
    // Many short lines about a small box: every slope and every way out.
    unsigned seed = 7;
    auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<unsigned>(range)) - range / 2;
    };
    for (int i = 0; i < 20000; ++i) {
        const int x1 = next(60) + 10, y1 = next(60) + 8, x2 = next(60) + 10, y2 = next(60) + 8;
        ASSERT_EQ(ClippedLine(x1, y1, x2, y2, 20, 16), UnclippedLine(x1, y1, x2, y2, 20, 16))
            << x1 << "," << y1 << " - " << x2 << "," << y2;
    }
}

TEST(Raster, BoxCoversBothEdges) {
    // A 16-pixel cell from x to x + 16 covers 17 x 17 pixels.
    Pixels box = Collect([](const PlotFn& p) { RasterBox(16, 32, 32, 48, 635, 425, p); });
    EXPECT_EQ(box.size(), 17u * 17u);
    Pixels swapped = Collect([](const PlotFn& p) { RasterBox(32, 48, 16, 32, 635, 425, p); });
    EXPECT_EQ(box, swapped);
}

TEST(Raster, CircleOfRadiusZeroLightsItsCentre) {
    EXPECT_EQ(Collect([](const PlotFn& p) { RasterCircle(5, 6, 0, p); }), (Pixels{{5, 6}}));
    Pixels c = Collect([](const PlotFn& p) { RasterCircle(50, 50, 5, p); });
    EXPECT_TRUE(c.count({55, 50}) && c.count({45, 50}) && c.count({50, 55}) && c.count({50, 45}));
    EXPECT_FALSE(c.count({50, 50}));
    for (auto [x, y] : c) {
        double r = std::hypot(x - 50.0, y - 50.0);
        EXPECT_NEAR(r, 5.0, 0.5);
    }
    EXPECT_TRUE(Collect([](const PlotFn& p) { RasterCircle(5, 6, -1, p); }).empty());
    EXPECT_TRUE(Collect([](const PlotFn& p) { RasterCircle(5, 6, std::nan(""), p); }).empty());
}

TEST(Raster, FractionalRadiiStayApartAndConcentricCirclesFillADisc) {
    // The inner circles of "くもり" (2.5) and "霧" (5/3) must not look alike.
    Pixels cloudy = Collect([](const PlotFn& p) { RasterCircle(0, 0, 2.5, p); });
    Pixels fog = Collect([](const PlotFn& p) { RasterCircle(0, 0, 5.0 / 3.0, p); });
    EXPECT_NE(cloudy, fog);
    EXPECT_TRUE(cloudy.count({2, 2}));
    EXPECT_FALSE(fog.count({2, 2}));
    // Radii 0..4 inside a circle of 5: the "雨" disc, filled without gaps.
    Pixels disc;
    for (int r = 0; r <= 5; ++r) {
        Pixels ring = Collect([r](const PlotFn& p) { RasterCircle(0, 0, r, p); });
        for (const auto& px : ring) EXPECT_TRUE(disc.insert(px).second) << "rings overlap";
    }
    for (int y = -4; y <= 4; ++y)
        for (int x = -4; x <= 4; ++x)
            if (std::hypot(x, y) < 4.5) {
                EXPECT_TRUE(disc.count({x, y})) << x << "," << y;
            }
}

// The outline is found row by row; it must be exactly the pixels the
// definition picks one by one, for small, fractional, cached, uncached and
// clipped radii.
TEST(Raster, CircleIsEveryPixelWhoseDistanceRoundsToTheRadius) {
    for (const double r : {0.0, 0.3, 0.5, 1.0, 1.5, 5.0 / 3.0, 2.5, 7.0, 12.49, 12.5, 63.7, 64.0, 64.5, 200.25, 1e9}) {
        const double radius = std::min(r, kLargestRadius);
        const int reach = static_cast<int>(std::ceil(radius + 0.5));
        Pixels want;
        if (radius <= 300)
            for (int y = -reach; y <= reach; ++y)
                for (int x = -reach; x <= reach; ++x) {
                    const double d = std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y);
                    if (d >= radius - 0.5 && d < radius + 0.5) want.insert({x, y});
                }
        std::vector<std::pair<int, int>> points;
        RasterCircle(0, 0, r, [&](int x, int y) { points.emplace_back(x, y); });
        const Pixels got(points.begin(), points.end());
        EXPECT_EQ(got.size(), points.size()) << r << ": a pixel twice";
        if (radius <= 300)
            EXPECT_EQ(got, want) << r;
        else
            EXPECT_TRUE(got.count({reach - 1, 0}) && got.count({0, -(reach - 1)})) << r;
    }
}

TEST(Raster, ArcsRunCounterclockwiseWithZeroToTheRight) {
    const double pi = std::numbers::pi;
    // 0 .. pi: the upper half on screen (smaller y), both diameter ends included.
    Pixels upper = Collect([&](const PlotFn& p) { RasterArc(50, 50, 8, 0, pi, p); });
    EXPECT_TRUE(upper.count({58, 50}));
    EXPECT_TRUE(upper.count({42, 50}));
    EXPECT_TRUE(upper.count({50, 42}));
    EXPECT_FALSE(upper.count({50, 58}));
    for (auto [x, y] : upper) EXPECT_LE(y, 50);
    // pi .. 2 pi: the lower half.
    Pixels lower = Collect([&](const PlotFn& p) { RasterArc(50, 50, 8, pi, 2 * pi, p); });
    EXPECT_TRUE(lower.count({50, 58}));
    for (auto [x, y] : lower) EXPECT_GE(y, 50);
    // 3/2 pi .. 1/2 pi wraps through 0: the right half.
    Pixels right = Collect([&](const PlotFn& p) { RasterArc(50, 50, 8, 1.5 * pi, 0.5 * pi, p); });
    EXPECT_TRUE(right.count({58, 50}));
    for (auto [x, y] : right) EXPECT_GE(x, 50);
    // A full turn is the whole circle.
    Pixels full = Collect([&](const PlotFn& p) { RasterArc(50, 50, 8, 0, 2 * pi, p); });
    EXPECT_EQ(full, Collect([](const PlotFn& p) { RasterCircle(50, 50, 8, p); }));
}

}  // namespace
}  // namespace isobra
