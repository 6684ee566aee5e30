#pragma once

#include <cstdint>
#include <vector>

#include "model/Colour.h"

namespace isobra {

class MapCanvas;
struct GridSettings;
struct PressureGrid;

// The edge of a cell a crossing lies on. y grows downwards: Top is the edge
// between the corners (ix, iy) and (ix + 1, iy).
enum class CellEdge : std::uint8_t { Top, Right, Bottom, Left };

// One straight piece of an isobar inside one grid cell, drawn from (x1, y1)
// to (x2, y2). The level is the single-precision value the tracing used
// (grid units); the ends are whole canvas pixels on the edges edge1 and
// edge2 of cell (ix, iy).
struct IsobarSegment {
    float level = 0;
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int16_t ix = 0, iy = 0;
    CellEdge edge1 = CellEdge::Top;
    CellEdge edge2 = CellEdge::Top;

    bool operator==(const IsobarSegment&) const = default;
};

// Traces the isobars of the grid cell by cell: interior cells row by row,
// every multiple of the interval between a cell's lowest and highest corner,
// one or (in a saddle cell) two segments per level, in the order and with
// the ends that the isobar drawing draws them. interval and halfInterval
// are grid units; an interval that rounds to 0 or below gives nothing.
std::vector<IsobarSegment> TraceIsobarSegments(const PressureGrid& grid, const GridSettings& settings, float interval,
                                               float halfInterval);

// Cells (ix, iy), named by their top left node, with firstX <= ix <= lastX
// and firstY <= iy <= lastY.
struct CellRange {
    int firstX = 0, firstY = 0, lastX = -1, lastY = -1;
};

// The same tracing over the cells of `cells` that the whole-grid tracing
// traces (interior cells 1..gridMax - 2); the segments of a cell are the
// very ones the whole-grid tracing gives for it.
std::vector<IsobarSegment> TraceIsobarSegments(const PressureGrid& grid, const GridSettings& settings, float interval,
                                               float halfInterval, const CellRange& cells);

// Draws each segment as one canvas line, in order.
void DrawIsobarSegments(MapCanvas& canvas, const std::vector<IsobarSegment>& segments, Colour colour);

}  // namespace isobra
