#pragma once

#include "canvas/MapCanvas.h"
#include "model/ObservationSet.h"
#include "model/PlotTable.h"

namespace isobra {

// The command "風力の表示": a wind arrow at every symbol station and ship
// (see CollectSymbolSites), in `colour` (the wind-symbol colour), over whatever the
// canvas shows.
void DrawWindSymbols(MapCanvas& canvas, const ObservationSet& observations, const PlotTable& plot, Colour colour);

// One arrow for a station at (x, y): a shaft from 6 to 30 pixels out, pointing
// into the wind and turned by the convergence of the meridians, with the
// feathers of the force. Direction codes run 0..15 counterclockwise from
// north; a code outside that range or a force of 0 or less draws nothing, and
// forces above 12 draw as 12.
void DrawWindSymbol(MapCanvas& canvas, double x, double y, int direction, int force, Colour colour);

}  // namespace isobra
