#pragma once

#include "canvas/MapCanvas.h"
#include "state/AppState.h"

namespace isobra {

// Every full drawing of the isobars (the isobar command, a new spacing, an
// isobar file, a redraw of the corrected field, the slide show): the traced
// lines with the centre letters and, when the user asked for values on the
// lines, the labelled drawing instead.
void DrawIsobarLayer(MapCanvas& canvas, const AppState& state);

// The full redraw of a changed field (a new spacing, "等圧線を描く", a
// smoothing): the drawing cleared (a background picture stays), the map,
// then the isobar layer. Symbols and fronts drawn before are gone.
void RedrawIsobarMap(MapCanvas& canvas, const AppState& state);

}  // namespace isobra
