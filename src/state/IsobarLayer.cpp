#include "state/IsobarLayer.h"

#include "isobar/IsobarDrawing.h"
#include "isobar/LabelledIsobars.h"
#include "state/MapLayers.h"

namespace isobra {

void DrawIsobarLayer(MapCanvas& canvas, const AppState& state) {
    const PressureField& field = state.field;
    const Colour colour = state.colours.ColorOf(kIsobarColour);
    if (!state.labelIsobars) {
        DrawIsobars(canvas, field, colour);
        return;
    }
    const LabelStyle style;
    const IsobarLayout layout =
        LayOutIsobars(field.pressureGrid, field.grid, field.grid.isobarInterval, field.grid.isobarHalfInterval,
                      state.observations, field.plotTable, state.coastline, style);
    DrawLabelledIsobars(canvas, layout, field.plotTable, field.grid.pressureScale, colour);
}

void RedrawIsobarMap(MapCanvas& canvas, const AppState& state) {
    canvas.ClearCanvas();
    DrawMapLayer(canvas, state);
    DrawIsobarLayer(canvas, state);
}

}  // namespace isobra
