#include "isobar/IsobarDrawing.h"

#include "isobar/CentreLetters.h"
#include "isobar/IsobarSegments.h"
#include "model/AppState.h"

namespace isobra {

void DrawIsobars(MapCanvas& canvas, const AppState& state, float interval, float halfInterval) {
    const std::vector<IsobarSegment> segments =
        TraceIsobarSegments(state.pressureGrid, state.grid, interval, halfInterval);
    DrawIsobarSegments(canvas, segments, state.colours.ColorOf(kIsobarColour));
    DrawCentreLetters(canvas, state.plotTable);
}

void DrawIsobars(MapCanvas& canvas, const AppState& state) {
    DrawIsobars(canvas, state, state.grid.isobarInterval, state.grid.isobarHalfInterval);
}

}  // namespace isobra
