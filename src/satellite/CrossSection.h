#pragma once

#include "canvas/MapCanvas.h"
#include "model/Colour.h"

namespace isobra {

// Which line through the clicked point the brightness chart follows.
enum class CrossSectionDirection {
    EastWest,    // the clicked row
    NorthSouth,  // the clicked column
};

// (red + green + blue) / 3 rounded to the nearest whole number: 0..255.
int PixelBrightness(Colour colour);

// Clears the drawing (the background picture stays), samples the brightness
// along the clicked row (columns 10..380) or column (rows 40..380) and draws
// the bar chart beside that line: a panel of filled rectangles 50 pixels
// above the row or left of the column, and one bar per sample, 1/8 pixel per
// brightness step, rising from 5 pixels above the row or pointing left from
// 5 pixels left of the column. Every sample is taken before anything is
// drawn, so the chart never samples itself.
void DrawCrossSection(MapCanvas& canvas, CrossSectionDirection direction, int x, int y);

}  // namespace isobra
