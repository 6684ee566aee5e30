#pragma once

namespace isobra {

// A rectangle of whole pixels, both edges included.
struct PixelBox {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    bool Overlaps(const PixelBox& o) const { return x1 <= o.x2 && o.x1 <= x2 && y1 <= o.y2 && o.y1 <= y2; }
    bool Contains(int x, int y) const { return x1 <= x && x <= x2 && y1 <= y && y <= y2; }
    PixelBox Grown(int by) const { return {x1 - by, y1 - by, x2 + by, y2 + by}; }
    bool operator==(const PixelBox&) const = default;
};

}  // namespace isobra
