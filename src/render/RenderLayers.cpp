#include "render/RenderLayers.h"

#include "isobar/IsobarDrawing.h"
#include "map/CoastlineTable.h"
#include "map/Fronts.h"
#include "map/WeatherSymbols.h"
#include "map/WindSymbols.h"
#include "model/AppState.h"

namespace isobra {

bool IsKnownLayer(const std::string& name) {
    return name == "map" || name == "isobars" || name == "symbols" || name == "wind" || name == "fronts";
}

bool IsLayerAvailable(const std::string& name) { return IsKnownLayer(name); }

void DrawLayers(MapCanvas& canvas, const AppState& state, const std::vector<std::string>& layers) {
    for (const std::string& layer : layers) {
        if (layer == "map") {
            DrawCoastline(canvas, state.coastline, state.colours.ColorOf(kMapColour));
        } else if (layer == "isobars") {
            DrawIsobars(canvas, state, state.grid.isobarInterval, state.grid.isobarHalfInterval);
        } else if (layer == "symbols") {
            DrawWeatherSymbols(canvas, state);
        } else if (layer == "wind") {
            DrawWindSymbols(canvas, state);
        } else if (layer == "fronts") {
            DrawFronts(canvas, state);
        }
    }
}

}  // namespace isobra
