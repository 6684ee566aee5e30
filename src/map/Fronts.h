#pragma once

#include "canvas/MapCanvas.h"
#include "model/ColorSettings.h"
#include "model/PlotTable.h"

namespace isobra {

// The command "前線の表示": joins every two neighbouring fishery items of the
// same front kind in the plot table of the last isobar construction, each
// kind with its symbols and in its colour.
void DrawFronts(MapCanvas& canvas, const PlotTable& plot, const ColorSettings& colours);

// Each segment is drawn from its western end, so the order of the two ends
// never changes a pixel.
//
// A front line from (x1, y1) to (x2, y2) with semicircles of radius `size`
// every `spacing` pixels along it, on the left of the west-to-east direction.
// Nothing at all is drawn when a coordinate is 0 or below; a vertical
// segment, or one so steep that the symbols would not advance, stays bare.
void DrawWarmFrontSegment(MapCanvas& canvas, int x1, int y1, int x2, int y2, int size, int spacing, Colour colour);

// The same with triangles on the right of the west-to-east direction; a
// vertical or horizontal segment stays bare.
void DrawColdFrontSegment(MapCanvas& canvas, int x1, int y1, int x2, int y2, int size, int spacing, Colour colour);

// A plain line, drawn only when all four coordinates are above 0.
void DrawOccludedFrontSegment(MapCanvas& canvas, int x1, int y1, int x2, int y2, Colour colour);

}  // namespace isobra
