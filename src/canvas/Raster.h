#pragma once

#include <cmath>
#include <cstdlib>
#include <functional>
#include <numbers>
#include <utility>

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

// One-pixel line, both end points included (Bresenham). The pixels are
// clipped to the box 0 <= x < clipW, 0 <= y < clipH before they are walked,
// so a line costs the pixels it lights inside the box, however long it is.
void RasterLine(int x1, int y1, int x2, int y2, int clipW, int clipH, const PlotFn& plot);

// Circle outline around the centre pixel: every pixel whose distance from the
// centre rounds to the radius (r - 0.5 <= d < r + 0.5). The radius may be
// fractional, so a circle of 2.5 differs from one of 5/3, and circles of
// radius 0, 1, 2, ... tile a filled disc without gaps. Radius 0 lights the
// centre pixel; a negative or non-finite radius draws nothing.
void RasterCircle(int cx, int cy, double radius, const PlotFn& plot);

// The part of that outline from `start` to `end` radians, counterclockwise on
// screen with 0 pointing right and pi/2 up. When end < start the arc wraps
// through 0; equal angles of different turns give the full circle.
void RasterArc(int cx, int cy, double radius, double start, double end, const PlotFn& plot);

// Filled rectangle, both edges included.
void RasterBox(int x1, int y1, int x2, int y2, int clipW, int clipH, const PlotFn& plot);

}  // namespace isobra
