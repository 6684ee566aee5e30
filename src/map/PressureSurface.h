#pragma once

#include "canvas/MapCanvas.h"
#include "map/CoastlineTable.h"
#include "model/ColorSettings.h"
#include "model/GridSettings.h"
#include "model/PressureGrid.h"

namespace isobra {

// The oblique parallel projection of the 3-D view: a point (x, y) of the
// flat map at pressure p hPa lands on the canvas at X = x - y / 2 + 200,
// Y = 2y / 3 - (p - 850) x 6 + 1040, in single precision. 1013 hPa lies at
// Y = 2y / 3 + 62; each hPa lifts a point by 6 pixels.
float SurfaceScreenX(float x, float y);
float SurfaceScreenY(float y, float hpa);

// The base level of the view, in hPa.
inline constexpr float kSurfaceBaseHpa = 1013.0f;

// The pressure grid as a wire-frame surface: the base frame at 1013 hPa,
// posts at its corners up to the nearest interior nodes, the coastline lying
// on the base (all in the map colour), then the mesh rows and columns over
// the interior nodes 1..gridMax - 1 in the isobar colour. No hidden lines
// are removed and nothing is clipped.
void DrawPressureSurface(MapCanvas& canvas, const PressureGrid& grid, const GridSettings& settings,
                         const CoastlineTable& coastline, const ColorSettings& colours);

}  // namespace isobra
