#pragma once

#include <cstdint>
#include <optional>

#include "canvas/MapCanvas.h"
#include "isobar/GridHistory.h"
#include "model/PressureField.h"

namespace isobra {

struct GridNode {
    int ix = 0;
    int iy = 0;
    bool operator==(const GridNode&) const = default;
};

// The node nearest to a click at canvas (x, y): floor(x / cellWidth + 0.5)
// and likewise in y. None for a click outside the map square, 0 <= x <=
// gridMaxX x cellWidth and 0 <= y <= gridMaxY x cellHeight (0..400).
std::optional<GridNode> NodeAtPoint(const GridSettings& settings, float x, float y);

// How far one click moves a node, in grid units: 2 hPa for the left button,
// 0.5 hPa (rounded) for any other.
std::int32_t CorrectionStep(bool leftButton, int pressureScale);

// Adds `delta` to one node (no other node, and not the work grid) and
// returns the change for the history.
NodeChange ChangeNode(PressureGrid& grid, GridNode node, std::int32_t delta);

// Repaints the up to four traced cells that touch the node: for each cell,
// rows outer and columns inner, its rectangle (both edges included) filled
// white, then its isobars traced as the whole drawing traces them. Whatever
// else was drawn in those cells is gone until a full redraw. Border nodes
// touch no traced cell and repaint nothing.
void RetraceAround(MapCanvas& canvas, const PressureField& field, GridNode node, Colour isobarColour);

// One smoothing pass over the whole grid. Centre-marked nodes, and nodes
// without a neighbour holding a value, keep their value (the pass puts back
// what the work grid holds for them, so the work grid starts as a copy of the
// grid). Returns every node it changed.
GridEdit SmoothOnce(PressureField& field);

}  // namespace isobra
