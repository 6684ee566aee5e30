#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <numbers>
#include <utility>
#include <vector>

namespace isobra {

// Pixel rules shared by every canvas that lights pixels itself, so that a
// drawing is the same pixel for pixel wherever it is made.
//
// A fractional coordinate goes to the nearest pixel, halves to the even
// neighbour (std::nearbyint in the default rounding mode): 2.5 -> 2, 3.5 -> 4.
// Coordinates beyond +-1e8 are held there: far enough that a line towards a
// point as far as any file holds keeps its direction, near enough that the
// raster arithmetic cannot overflow.
inline int PixelOf(float v) {
    if (!std::isfinite(v)) return v > 0 ? 1 << 20 : -(1 << 20);
    constexpr double kFar = 1e8;
    double r = std::nearbyint(static_cast<double>(v));
    if (r > kFar) return static_cast<int>(kFar);
    if (r < -kFar) return -static_cast<int>(kFar);
    return static_cast<int>(r);
}

// A pixel sink that can be stored; the raster routines take any callable.
using PlotFn = std::function<void(int x, int y)>;

// Circles far beyond any canvas are cut to this radius, to keep the work
// bounded.
inline constexpr double kLargestRadius = 4096.0;

// An angle in radians brought into 0 .. 2 pi.
inline double NormaliseAngle(double a) {
    const double twoPi = 2.0 * std::numbers::pi;
    a = std::fmod(a, twoPi);
    return a < 0.0 ? a + twoPi : a;
}

// Whether an arc from `start` to `end` radians goes all the way round, and so
// is the full circle.
inline bool IsFullTurn(double start, double end) { return std::fabs(end - start) >= 2.0 * std::numbers::pi - 1e-9; }

// The pixels of a one-pixel line that lie inside a box, as a walk of
// `count` steps from (x, y): each step moves one pixel along the major axis
// and, when the error term says so, one across it.
struct LineWalk {
    std::int64_t count = 0;
    int x = 0, y = 0;
    int alongX = 0, alongY = 0;    // the step along the major axis
    int acrossX = 0, acrossY = 0;  // the extra step across it
    std::int64_t error = 0;        // steps across when it reaches `limit`
    std::int64_t increment = 0;
    std::int64_t limit = 0;
};
LineWalk ClippedLineWalk(int x1, int y1, int x2, int y2, int clipW, int clipH);

// One-pixel line, both end points included (Bresenham). The pixels are
// clipped to the box 0 <= x < clipW, 0 <= y < clipH before they are walked,
// so a line costs the pixels it lights inside the box, however long it is.
// `plot` is any callable taking (x, y); it is called inline, once a pixel.
template <class Plot>
void RasterLine(int x1, int y1, int x2, int y2, int clipW, int clipH, Plot&& plot) {
    LineWalk w = ClippedLineWalk(x1, y1, x2, y2, clipW, clipH);
    for (std::int64_t k = 0; k < w.count; ++k) {
        plot(w.x, w.y);
        w.x += w.alongX;
        w.y += w.alongY;
        w.error += w.increment;
        if (w.error >= w.limit) {
            w.error -= w.limit;
            w.x += w.acrossX;
            w.y += w.acrossY;
        }
    }
}

// Offsets of the pixels on a circle of this radius, in no order, the radius
// cut to kLargestRadius: every pixel whose distance from the centre rounds to
// the radius. Small circles come from a table made once.
const std::vector<std::pair<int, int>>& CirclePoints(double radius, std::vector<std::pair<int, int>>& scratch);

// Circle outline around the centre pixel: every pixel whose distance from the
// centre rounds to the radius (r - 0.5 <= d < r + 0.5). The radius may be
// fractional, so a circle of 2.5 differs from one of 5/3, and circles of
// radius 0, 1, 2, ... tile a filled disc without gaps. Radius 0 lights the
// centre pixel; a negative or non-finite radius draws nothing.
template <class Plot>
void RasterCircle(int cx, int cy, double radius, Plot&& plot) {
    std::vector<std::pair<int, int>> scratch;
    for (const auto& [dx, dy] : CirclePoints(radius, scratch)) plot(cx + dx, cy + dy);
}

// Whether the pixel at offset (dx, dy) on a circle of this radius belongs to
// the arc from `start` to `end` radians (see RasterArc).
bool OnArc(int dx, int dy, double radius, double start, double end);

// The part of that outline from `start` to `end` radians, counterclockwise on
// screen with 0 pointing right and pi/2 up. When end < start the arc wraps
// through 0; equal angles of different turns give the full circle.
template <class Plot>
void RasterArc(int cx, int cy, double radius, double start, double end, Plot&& plot) {
    std::vector<std::pair<int, int>> scratch;
    const std::vector<std::pair<int, int>>& pts = CirclePoints(radius, scratch);
    if (pts.empty()) return;
    if (radius < 0.5) {
        plot(cx, cy);
        return;
    }
    for (const auto& [dx, dy] : pts)
        if (OnArc(dx, dy, radius, start, end)) plot(cx + dx, cy + dy);
}

// Filled rectangle, both edges included.
template <class Plot>
void RasterBox(int x1, int y1, int x2, int y2, int clipW, int clipH, Plot&& plot) {
    const int left = std::max(0, std::min(x1, x2));
    const int right = std::min(clipW - 1, std::max(x1, x2));
    const int top = std::max(0, std::min(y1, y2));
    const int bottom = std::min(clipH - 1, std::max(y1, y2));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) plot(x, y);
}

}  // namespace isobra
