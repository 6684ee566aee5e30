#include "render/RenderLayers.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "state/IsobarLayer.h"
#include "map/CoastlineTable.h"
#include "map/Fronts.h"
#include "map/PressureSurface.h"
#include "map/WeatherSymbols.h"
#include "map/WindSymbols.h"
#include "widgets/QImageCanvas.h"

namespace isobra {

namespace {

using LayerDrawing = std::function<void(MapCanvas&, const AppState&)>;

const std::vector<std::pair<std::string_view, LayerDrawing>>& Layers() {
    static const std::vector<std::pair<std::string_view, LayerDrawing>> layers = {
        {"map",
         [](MapCanvas& c, const AppState& s) { DrawCoastline(c, s.coastline, s.colours.ColorOf(kMapColour)); }},
        {"isobars", [](MapCanvas& c, const AppState& s) { DrawIsobarLayer(c, s); }},
        {"symbols",
         [](MapCanvas& c, const AppState& s) {
             DrawWeatherSymbols(c, s.observations, s.field.plotTable, s.colours.ColorOf(kWeatherSymbolColour));
         }},
        {"wind",
         [](MapCanvas& c, const AppState& s) {
             DrawWindSymbols(c, s.observations, s.field.plotTable, s.colours.ColorOf(kWindSymbolColour));
         }},
        {"fronts", [](MapCanvas& c, const AppState& s) { DrawFronts(c, s.field.plotTable, s.colours); }},
        {"surface",
         [](MapCanvas& c, const AppState& s) {
             DrawPressureSurface(c, s.field.pressureGrid, s.field.grid, s.coastline, s.colours);
         }},
    };
    return layers;
}

}  // namespace

const std::vector<std::string_view>& LayerNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> out;
        for (const auto& layer : Layers()) out.push_back(layer.first);
        return out;
    }();
    return names;
}

bool IsKnownLayer(std::string_view name) {
    const auto& names = LayerNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::string LayerNameList() {
    std::string out;
    for (std::string_view name : LayerNames()) out += (out.empty() ? "" : ", ") + std::string(name);
    return out;
}

void DrawLayers(MapCanvas& canvas, const AppState& state, const std::vector<std::string>& layers) {
    for (const std::string& name : layers)
        for (const auto& [layer, draw] : Layers())
            if (layer == name) draw(canvas, state);
}

PngSize PngSizeFor(const std::vector<std::string>& layers) {
    if (std::find(layers.begin(), layers.end(), "surface") != layers.end())
        return {QImageCanvas::kWidth, QImageCanvas::kHeight};
    return {400, 400};
}

}  // namespace isobra
