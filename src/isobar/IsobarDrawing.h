#pragma once

#include "canvas/MapCanvas.h"
#include "model/PressureField.h"

namespace isobra {

// Traces the isobars of the pressure grid cell by cell onto the canvas in
// the given colour, then prints "高", "低" and "台" at the centres of the
// plot table. interval and halfInterval are grid units (200 and 100 for
// 2 hPa). Only adds to the canvas; clearing and the map are the caller's.
void DrawIsobars(MapCanvas& canvas, const PressureField& field, Colour colour, float interval, float halfInterval);

// The same with the interval of the grid settings.
void DrawIsobars(MapCanvas& canvas, const PressureField& field, Colour colour);

}  // namespace isobra
