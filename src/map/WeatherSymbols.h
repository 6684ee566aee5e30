#pragma once

#include "canvas/MapCanvas.h"
#include "model/ObservationSet.h"
#include "model/PlotTable.h"

namespace isobra {

// The command "天気記号の表示": a weather symbol at every symbol station and
// ship (see CollectSymbolSites), in `colour` (the weather-symbol colour), over whatever
// the canvas shows.
void DrawWeatherSymbols(MapCanvas& canvas, const ObservationSet& observations, const PlotTable& plot, Colour colour);

// One symbol centred on (x, y): a circle of radius 5 with the figure of the
// weather code inside. A code outside 0..10 gives the bare circle.
void DrawWeatherSymbol(MapCanvas& canvas, double x, double y, int code, Colour colour);

}  // namespace isobra
