#include "state/MapLayers.h"

#include "map/CoastlineTable.h"
#include "map/Fronts.h"
#include "map/PressureSurface.h"
#include "map/WeatherSymbols.h"
#include "map/WindSymbols.h"

namespace isobra {

void DrawMapLayer(MapCanvas& canvas, const AppState& state) {
    DrawCoastline(canvas, state.coastline, state.colours.ColorOf(kMapColour));
}

void DrawSymbolLayer(MapCanvas& canvas, const AppState& state) {
    DrawWeatherSymbols(canvas, state.observations, state.field.plotTable, state.colours.ColorOf(kWeatherSymbolColour));
}

void DrawWindLayer(MapCanvas& canvas, const AppState& state) {
    DrawWindSymbols(canvas, state.observations, state.field.plotTable, state.colours.ColorOf(kWindSymbolColour));
}

void DrawFrontLayer(MapCanvas& canvas, const AppState& state) {
    DrawFronts(canvas, state.field.plotTable, state.colours);
}

void DrawSurfaceLayer(MapCanvas& canvas, const AppState& state) {
    // The drawing stays under the figure; a satellite picture does not.
    canvas.SetBackgroundPicture(nullptr);
    DrawPressureSurface(canvas, state.field.pressureGrid, state.field.grid, state.coastline, state.colours);
}

}  // namespace isobra
