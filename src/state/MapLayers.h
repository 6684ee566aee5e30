#pragma once

#include "canvas/MapCanvas.h"
#include "state/AppState.h"

namespace isobra {

// The drawings a map is put together from, each as its menu command draws it
// (the isobars are in state/IsobarLayer.h). They draw over what is there.

// The coastline in the map colour.
void DrawMapLayer(MapCanvas& canvas, const AppState& state);
// The weather symbols of the observations.
void DrawSymbolLayer(MapCanvas& canvas, const AppState& state);
// The wind arrows of the observations.
void DrawWindLayer(MapCanvas& canvas, const AppState& state);
// The fronts drawn on the plot table.
void DrawFrontLayer(MapCanvas& canvas, const AppState& state);
// The computed grid as a wire-frame surface over the drawing, the background
// picture taken away first; it reaches beyond the map square.
void DrawSurfaceLayer(MapCanvas& canvas, const AppState& state);
// Without a computed grid there is no surface to draw: the window and the
// batch tool refuse with these two lines (CR LF between them).
inline constexpr const char* kSurfaceNeedsGrid =
    "「天気図」の「等圧線」で計算してから\r\n「立体表示」を選んでください。";

}  // namespace isobra
