#pragma once

#include <algorithm>

namespace isobra {

// A rectangle of whole pixels, both edges included.
struct PixelBox {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    // The box two points span, whichever way round they come.
    static PixelBox Spanning(int xa, int ya, int xb, int yb) {
        return {std::min(xa, xb), std::min(ya, yb), std::max(xa, xb), std::max(ya, yb)};
    }

    bool Overlaps(const PixelBox& o) const { return x1 <= o.x2 && o.x1 <= x2 && y1 <= o.y2 && o.y1 <= y2; }
    bool Contains(int x, int y) const { return x1 <= x && x <= x2 && y1 <= y && y <= y2; }
    PixelBox Grown(int by) const { return {x1 - by, y1 - by, x2 + by, y2 + by}; }
    bool operator==(const PixelBox&) const = default;
};

// The part t0..t1 (t in 0..1) of the segment from (x, y) by (dx, dy) that
// lies in the rectangle left..right x top..bottom, in real coordinates
// (Liang and Barsky's clipping); false when no part does.
inline bool ClipSegment(double x, double y, double dx, double dy, double left, double top, double right, double bottom,
                        double& t0, double& t1) {
    t0 = 0.0;
    t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x - left, right - x, y - top, bottom - y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;  // parallel to this edge and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    return t0 <= t1;
}

}  // namespace isobra
