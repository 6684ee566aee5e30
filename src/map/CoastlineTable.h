#pragma once

#include <array>

#include "canvas/MapCanvas.h"

namespace isobra {

// The built-in coastline and graticule: 341 points in canvas pixels. A point
// with x or y at 0 or below is a break; no segment touches it.
class CoastlineTable {
public:
    static constexpr int kPointCount = 341;
    // Segments i -> i + 1 are considered for i = 0..331.
    static constexpr int kLastSegmentStart = 331;

    CoastlineTable();  // filled with the built-in points

    float x(int i) const { return x_.at(i); }
    float y(int i) const { return y_.at(i); }
    bool IsBreak(int i) const { return !(x_.at(i) > 0 && y_.at(i) > 0); }

private:
    // Two parallel arrays: all x values, then all y values.
    std::array<float, kPointCount> x_{};
    std::array<float, kPointCount> y_{};
};

// Calls fn(x1, y1, x2, y2) for every segment whose two end points are both
// present, in the table's order.
template <class Fn>
void ForEachCoastSegment(const CoastlineTable& table, Fn&& fn) {
    for (int i = 0; i <= CoastlineTable::kLastSegmentStart; ++i) {
        if (table.IsBreak(i) || table.IsBreak(i + 1)) continue;
        fn(table.x(i), table.y(i), table.x(i + 1), table.y(i + 1));
    }
}

// Draws those segments in `colour`.
void DrawCoastline(MapCanvas& canvas, const CoastlineTable& table, Colour colour);

}  // namespace isobra
