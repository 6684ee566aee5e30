#pragma once

#include <cstdint>
#include <vector>

#include "isobar/CentreLetters.h"
#include "isobar/IsobarLabels.h"
#include "isobar/IsobarLine.h"
#include "isobar/IsobarSegments.h"
#include "isobar/LabelStyle.h"
#include "model/Colour.h"

namespace isobra {

class CoastlineTable;
class MapCanvas;
class ObservationSet;
struct GridSettings;
struct PlotTable;
struct PressureGrid;

// Everything the labelled drawing works out before it draws.
struct IsobarLayout {
    std::vector<IsobarSegment> segments;  // as traced
    std::vector<IsobarLine> lines;
    ReservedBoxes reserved;  // what the other layers draw or would draw
    std::vector<IsobarLabel> labels;
    std::vector<CentralPressure> centralPressures;  // placed round the centre letters
    // The central pressures' texts with a pixel of room: like the labels,
    // no isobar is drawn inside them.
    std::vector<PixelBox> pressureBoxes;
};

IsobarLayout LayOutIsobars(const PressureGrid& grid, const GridSettings& settings, float interval, float halfInterval,
                           const ObservationSet& observations, const PlotTable& plot, const CoastlineTable& coastline,
                           const LabelStyle& style);

// Isobars at multiples of 20 hPa are drawn two pixels thick.
bool IsThickLevel(std::int32_t level, std::int32_t pressureScale);

// Where the second pixel of a thick line goes: one to the right of a steep
// line (more rows than columns), one below any other.
LinePoint ThickOffset(const IsobarSegment& segment);

// The canvas line from `from` to `to` without its pixels inside any of the
// boxes, as lines to draw in order, each from its first pixel to its last
// in the direction of the original. Together they light exactly the pixels
// of the original line outside the boxes; a line that reaches no box comes
// back whole.
struct LinePiece {
    LinePoint from, to;
    bool operator==(const LinePiece&) const = default;
};
std::vector<LinePiece> LinePiecesOutside(LinePoint from, LinePoint to, const std::vector<PixelBox>& boxes);

// The isobar drawing with values on the lines: every traced segment in
// tracing order, left out inside the label boxes and the central
// pressures' boxes, followed at thick levels by
// its second line; then the values in small text, the centre letters and,
// beside them in small text, the central pressures the layout placed.
void DrawLabelledIsobars(MapCanvas& canvas, const IsobarLayout& layout, const PlotTable& plot,
                         std::int32_t pressureScale, Colour isobarColour);

}  // namespace isobra
