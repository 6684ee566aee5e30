#pragma once

#include <set>
#include <utility>
#include <vector>

#include "canvas/MapCanvas.h"
#include "canvas/Raster.h"
#include "canvas/RecordingCanvas.h"

namespace isobra::test {

using PixelSet = std::set<std::pair<int, int>>;

// The pixels that recorded lines, circles and arcs light on the map square,
// by the canvas's own raster rules. Boxes and texts are left out.
inline PixelSet PixelsOf(const std::vector<RecordingCanvas::Call>& calls) {
    PixelSet out;
    const PlotFn plot = [&](int x, int y) { out.insert({x, y}); };
    for (const auto& c : calls) {
        if (c.op == RecordingCanvas::Op::Line)
            RasterLine(PixelOf(c.x1), PixelOf(c.y1), PixelOf(c.x2), PixelOf(c.y2), kMapSize, kMapSize, plot);
        else if (c.op == RecordingCanvas::Op::Circle)
            RasterCircle(PixelOf(c.x1), PixelOf(c.y1), c.x2, plot);
        else if (c.op == RecordingCanvas::Op::Arc)
            RasterArc(PixelOf(c.x1), PixelOf(c.y1), c.x2, c.start, c.end, plot);
    }
    return out;
}

}  // namespace isobra::test
