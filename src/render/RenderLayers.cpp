#include "render/RenderLayers.h"

#include <algorithm>

#include "map/CoastlineTable.h"
#include "map/Fronts.h"
#include "map/PressureSurface.h"
#include "map/WeatherSymbols.h"
#include "map/WindSymbols.h"
#include "state/IsobarLayer.h"

namespace isobra {

namespace {

constexpr int kMapSize = 400;

struct Layer {
    std::string_view name;
    void (*draw)(MapCanvas& canvas, const AppState& state);
    bool wholeCanvas;  // draws outside the map square, so a picture shows the whole canvas
};

const std::vector<Layer>& Layers() {
    static const std::vector<Layer> layers = {
        {"map", [](MapCanvas& c, const AppState& s) { DrawCoastline(c, s.coastline, s.colours.ColorOf(kMapColour)); },
         false},
        {"isobars", [](MapCanvas& c, const AppState& s) { DrawIsobarLayer(c, s); }, false},
        {"symbols",
         [](MapCanvas& c, const AppState& s) {
             DrawWeatherSymbols(c, s.observations, s.field.plotTable, s.colours.ColorOf(kWeatherSymbolColour));
         },
         false},
        {"wind",
         [](MapCanvas& c, const AppState& s) {
             DrawWindSymbols(c, s.observations, s.field.plotTable, s.colours.ColorOf(kWindSymbolColour));
         },
         false},
        {"fronts", [](MapCanvas& c, const AppState& s) { DrawFronts(c, s.field.plotTable, s.colours); }, false},
        // The 3-D view reaches x = 575: its picture is the whole canvas.
        {"surface",
         [](MapCanvas& c, const AppState& s) {
             DrawPressureSurface(c, s.field.pressureGrid, s.field.grid, s.coastline, s.colours);
         },
         true},
    };
    return layers;
}

const Layer* FindLayer(std::string_view name) {
    const auto& layers = Layers();
    const auto it = std::find_if(layers.begin(), layers.end(), [&](const Layer& l) { return l.name == name; });
    return it == layers.end() ? nullptr : &*it;
}

}  // namespace

const std::vector<std::string_view>& LayerNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> out;
        for (const Layer& layer : Layers()) out.push_back(layer.name);
        return out;
    }();
    return names;
}

bool IsKnownLayer(std::string_view name) { return FindLayer(name) != nullptr; }

std::string LayerNameList() {
    std::string out;
    for (std::string_view name : LayerNames()) out += (out.empty() ? "" : ", ") + std::string(name);
    return out;
}

void DrawLayers(MapCanvas& canvas, const AppState& state, const std::vector<std::string>& layers) {
    for (const std::string& name : layers)
        if (const Layer* layer = FindLayer(name)) layer->draw(canvas, state);
}

PictureArea PictureAreaOf(const std::vector<std::string>& layers, int canvasWidth, int canvasHeight) {
    const bool whole = std::any_of(layers.begin(), layers.end(), [](const std::string& name) {
        const Layer* layer = FindLayer(name);
        return layer && layer->wholeCanvas;
    });
    if (whole) return {0, 0, canvasWidth, canvasHeight};
    return {0, 0, std::min(kMapSize, canvasWidth), std::min(kMapSize, canvasHeight)};
}

}  // namespace isobra
