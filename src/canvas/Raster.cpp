#include "canvas/Raster.h"

#include <algorithm>
#include <cstdint>
#include <numbers>
#include <vector>

namespace isobra {

namespace {

// The smallest k in from..to with steps(k) >= value, or to + 1 when there is
// none; steps must not decrease as k grows.
template <class Steps>
std::int64_t FirstAtLeast(const Steps& steps, std::int64_t value, std::int64_t from, std::int64_t to) {
    std::int64_t low = from;
    std::int64_t high = to + 1;
    while (low < high) {
        const std::int64_t mid = low + (high - low) / 2;
        if (steps(mid) >= value)
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

// Cheap reject: is the whole segment outside one side?
bool OutsideClip(int x1, int y1, int x2, int y2, int w, int h) {
    return (x1 < 0 && x2 < 0) || (y1 < 0 && y2 < 0) || (x1 >= w && x2 >= w) || (y1 >= h && y2 >= h);
}

// Offsets of the pixels on a circle of this radius, the radius cut to
// kLargestRadius.
void ComputeCirclePoints(double radius, std::vector<std::pair<int, int>>& out) {
    out.clear();
    if (!(radius >= 0.0) || !std::isfinite(radius)) return;
    radius = std::min(radius, kLargestRadius);
    const double inner = radius - 0.5;
    const double outer = radius + 0.5;
    const int reach = static_cast<int>(std::ceil(outer));
    auto distance = [](int dx, int dy) {
        return std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    };
    // The distance grows with |dx|, so on each row the pixels of the ring
    // are the |dx| from `low` to `high`: found from an estimate and settled
    // by the same test a pixel-by-pixel scan makes, so a large circle costs
    // its outline, not its square.
    for (int dy = -reach; dy <= reach; ++dy) {
        if (!(distance(0, dy) < outer)) continue;
        const double dy2 = static_cast<double>(dy) * dy;
        int high = std::min(reach, static_cast<int>(std::sqrt(std::max(0.0, outer * outer - dy2))));
        while (high < reach && distance(high + 1, dy) < outer) ++high;
        while (high > 0 && !(distance(high, dy) < outer)) --high;
        int low = 0;
        if (inner > 0.0 && !(distance(0, dy) >= inner)) {
            low = std::min(high + 1, static_cast<int>(std::ceil(std::sqrt(std::max(0.0, inner * inner - dy2)))));
            while (low > 0 && distance(low - 1, dy) >= inner) --low;
            while (low <= high && !(distance(low, dy) >= inner)) ++low;
        }
        if (low > high) continue;
        for (int dx = -high; dx <= -low; ++dx) out.emplace_back(dx, dy);
        for (int dx = std::max(low, 1); dx <= high; ++dx) out.emplace_back(dx, dy);
    }
}

// The circles a map draws again and again (symbols, centre rings) are few
// and small; each thread keeps the last ones it made.
struct CachedCircle {
    double radius = -1.0;
    std::vector<std::pair<int, int>> points;
};
constexpr std::size_t kCachedCircles = 16;
constexpr double kLargestCachedRadius = 64.0;

}  // namespace

LineWalk ClippedLineWalk(int x1, int y1, int x2, int y2, int clipW, int clipH) {
    LineWalk walk;
    if (clipW <= 0 || clipH <= 0 || OutsideClip(x1, y1, x2, y2, clipW, clipH)) return walk;
    // The pixels of Bresenham's walk in closed form: along the major axis
    // (length L) pixel k = 0..L steps k, and across it (length M) it has
    // stepped floor((2kM + L) / 2L), halves up. That is where the walk's
    // error term puts it, so lighting only the k that fall inside the box
    // gives the same pixels as walking the whole line and dropping the rest,
    // and a line a million pixels long costs no more than its visible part.
    const std::int64_t dx = std::abs(static_cast<std::int64_t>(x2) - x1);
    const std::int64_t dy = std::abs(static_cast<std::int64_t>(y2) - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    const bool xMajor = dx >= dy;
    const std::int64_t major = xMajor ? dx : dy;
    const std::int64_t minor = xMajor ? dy : dx;
    auto across = [&](std::int64_t k) { return major == 0 ? 0 : (2 * k * minor + major) / (2 * major); };
    auto alongX = [&](std::int64_t k) { return xMajor ? k : across(k); };
    auto alongY = [&](std::int64_t k) { return xMajor ? across(k) : k; };

    // Both steps grow with k, so the k inside the box form one range.
    std::int64_t first = 0;
    std::int64_t last = major;
    auto keepInside = [&](const auto& steps, int from, int sign, int size) {
        // from + sign * steps(k) in 0..size-1, as a range of steps(k).
        const std::int64_t low =
            sign > 0 ? -static_cast<std::int64_t>(from) : static_cast<std::int64_t>(from) - (size - 1);
        const std::int64_t high =
            sign > 0 ? static_cast<std::int64_t>(size - 1) - from : static_cast<std::int64_t>(from);
        first = std::max(first, FirstAtLeast(steps, low, first, last));
        last = std::min(last, FirstAtLeast(steps, high + 1, first, last) - 1);
    };
    auto inBox = [clipW, clipH](int x, int y) { return x >= 0 && y >= 0 && x < clipW && y < clipH; };
    if (!inBox(x1, y1) || !inBox(x2, y2)) {  // most lines lie inside whole
        keepInside(alongX, x1, sx, clipW);
        keepInside(alongY, y1, sy, clipH);
        if (last < first) return walk;
    }

    // From the first pixel inside on, the closed form's numerator grows by
    // 2M a step; its remainder modulo 2L is the walk's error term.
    walk.count = last - first + 1;
    walk.x = static_cast<int>(x1 + sx * alongX(first));
    walk.y = static_cast<int>(y1 + sy * alongY(first));
    (xMajor ? walk.alongX : walk.alongY) = xMajor ? sx : sy;
    (xMajor ? walk.acrossY : walk.acrossX) = xMajor ? sy : sx;
    walk.limit = major == 0 ? 1 : 2 * major;
    walk.increment = 2 * minor;
    walk.error = major == 0 ? 0 : (2 * first * minor + major) % (2 * major);
    return walk;
}

const std::vector<std::pair<int, int>>& CirclePoints(double radius, std::vector<std::pair<int, int>>& scratch) {
    if (!(radius >= 0.0 && radius <= kLargestCachedRadius)) {
        ComputeCirclePoints(radius, scratch);
        return scratch;
    }
    thread_local std::vector<CachedCircle> cache(kCachedCircles);
    thread_local std::size_t next = 0;
    for (const CachedCircle& c : cache)
        if (c.radius == radius) return c.points;
    CachedCircle& slot = cache[next];
    next = (next + 1) % kCachedCircles;
    slot.radius = radius;
    ComputeCirclePoints(radius, slot.points);
    return slot.points;
}

bool OnArc(int dx, int dy, double radius, double start, double end) {
    const double twoPi = 2.0 * std::numbers::pi;
    if (IsFullTurn(start, end)) return true;
    const double span = NormaliseAngle(end - start);
    // Half a pixel of tolerance at both ends, so an arc from 0 to pi includes
    // the pixels lying on the horizontal diameter.
    const double tol = 0.5 / radius;
    const double a = std::atan2(static_cast<double>(-dy), static_cast<double>(dx));
    const double fromStart = NormaliseAngle(a - start);
    return fromStart <= span + tol || fromStart >= twoPi - tol;
}

}  // namespace isobra
