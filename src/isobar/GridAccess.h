#pragma once

#include <algorithm>

#include "model/GridSettings.h"
#include "model/PressureGrid.h"

namespace isobra {

// Index of node (ix, iy) in a node table's raw storage.
inline int NodeIndex(int ix, int iy) { return iy * NodeTable::kSize + ix; }

// The node range a pass walks: the grid settings, kept inside the 31 x 31
// storage so that the unchecked inner loops can never leave it.
struct GridBounds {
    int maxX;
    int maxY;
    explicit GridBounds(const GridSettings& s)
        : maxX(std::clamp(s.gridMaxX, -1, NodeTable::kSize - 1)),
          maxY(std::clamp(s.gridMaxY, -1, NodeTable::kSize - 1)) {}
    bool InteriorX(int x) const { return 0 < x && x < maxX; }
    bool InteriorY(int y) const { return 0 < y && y < maxY; }
    bool Interior(int x, int y) const { return InteriorX(x) && InteriorY(y); }
};

// Copies nodes 0..maxX x 0..maxY of one table into another.
inline void CopyNodes(const NodeTable& from, NodeTable& to, const GridBounds& b) {
    const std::int32_t* src = from.raw();
    std::int32_t* dst = to.raw();
    for (int iy = 0; iy <= b.maxY; ++iy)
        std::copy(src + NodeIndex(0, iy), src + NodeIndex(b.maxX + 1, iy), dst + NodeIndex(0, iy));
}

}  // namespace isobra
