#include "canvas/Raster.h"

#include <algorithm>
#include <numbers>
#include <vector>

namespace isobra {

namespace {

// Cohen-Sutherland-free cheap reject: is the whole segment outside one side?
bool OutsideClip(int x1, int y1, int x2, int y2, int w, int h) {
    return (x1 < 0 && x2 < 0) || (y1 < 0 && y2 < 0) || (x1 >= w && x2 >= w) || (y1 >= h && y2 >= h);
}

// Offsets of the pixels on a circle of this radius, in no order. Radii far
// beyond any canvas are cut to keep the work bounded.
void CirclePoints(double radius, std::vector<std::pair<int, int>>& out) {
    out.clear();
    if (!(radius >= 0.0) || !std::isfinite(radius)) return;
    radius = std::min(radius, 4096.0);
    const double inner = radius - 0.5;
    const double outer = radius + 0.5;
    const int reach = static_cast<int>(std::ceil(outer));
    for (int dy = -reach; dy <= reach; ++dy) {
        for (int dx = -reach; dx <= reach; ++dx) {
            const double d = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
            if (d >= inner && d < outer) out.emplace_back(dx, dy);
        }
    }
}

double NormaliseAngle(double a) {
    const double twoPi = 2.0 * std::numbers::pi;
    a = std::fmod(a, twoPi);
    if (a < 0) a += twoPi;
    return a;
}

}  // namespace

void RasterLine(int x1, int y1, int x2, int y2, int clipW, int clipH, const PlotFn& plot) {
    if (OutsideClip(x1, y1, x2, y2, clipW, clipH)) return;
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1;
    int y = y1;
    for (;;) {
        if (x >= 0 && y >= 0 && x < clipW && y < clipH) plot(x, y);
        if (x == x2 && y == y2) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void RasterCircle(int cx, int cy, double radius, const PlotFn& plot) {
    std::vector<std::pair<int, int>> pts;
    CirclePoints(radius, pts);
    for (const auto& [dx, dy] : pts) plot(cx + dx, cy + dy);
}

void RasterArc(int cx, int cy, double radius, double start, double end, const PlotFn& plot) {
    std::vector<std::pair<int, int>> pts;
    CirclePoints(radius, pts);
    if (pts.empty()) return;
    if (radius < 0.5) {
        plot(cx, cy);
        return;
    }
    const double twoPi = 2.0 * std::numbers::pi;
    const bool full = std::fabs(end - start) >= twoPi - 1e-9;
    const double span = NormaliseAngle(end - start);
    // Half a pixel of tolerance at both ends, so an arc from 0 to pi includes
    // the pixels lying on the horizontal diameter.
    const double tol = 0.5 / radius;
    for (const auto& [dx, dy] : pts) {
        const double a = std::atan2(static_cast<double>(-dy), static_cast<double>(dx));
        const double fromStart = NormaliseAngle(a - start);
        const bool in = full || fromStart <= span + tol || fromStart >= twoPi - tol;
        if (in) plot(cx + dx, cy + dy);
    }
}

void RasterBox(int x1, int y1, int x2, int y2, int clipW, int clipH, const PlotFn& plot) {
    const int left = std::max(0, std::min(x1, x2));
    const int right = std::min(clipW - 1, std::max(x1, x2));
    const int top = std::max(0, std::min(y1, y2));
    const int bottom = std::min(clipH - 1, std::max(y1, y2));
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) plot(x, y);
}

}  // namespace isobra
