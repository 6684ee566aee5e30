#include "render/RenderLayers.h"

#include "isobar/IsobarDrawing.h"
#include "map/CoastlineTable.h"
#include "map/Fronts.h"
#include "map/WeatherSymbols.h"
#include "map/WindSymbols.h"
#include "state/AppState.h"

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
            DrawIsobars(canvas, state.field, state.colours.ColorOf(kIsobarColour));
        } else if (layer == "symbols") {
            DrawWeatherSymbols(canvas, state.observations, state.field.plotTable,
                               state.colours.ColorOf(kWeatherSymbolColour));
        } else if (layer == "wind") {
            DrawWindSymbols(canvas, state.observations, state.field.plotTable, state.colours.ColorOf(kWindSymbolColour));
        } else if (layer == "fronts") {
            DrawFronts(canvas, state.field.plotTable, state.colours);
        }
    }
}

}  // namespace isobra
