#pragma once

#include "map/MapCanvas.h"

namespace isobra {

class AppState;

// The command "天気記号の表示": a weather symbol at every symbol station and
// ship (see CollectSymbolSites), in the weather-symbol colour, over whatever
// the canvas shows.
void DrawWeatherSymbols(MapCanvas& canvas, const AppState& state);

// One symbol centred on (x, y): a circle of radius 5 with the figure of the
// weather code inside. A code outside 0..10 gives the bare circle.
void DrawWeatherSymbol(MapCanvas& canvas, double x, double y, int code, Colour colour);

}  // namespace isobra
