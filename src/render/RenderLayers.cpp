#include "render/RenderLayers.h"

#include <algorithm>

#include "state/IsobarLayer.h"
#include "state/MapLayers.h"

namespace isobra {

namespace {

struct Layer {
    std::string_view name;
    void (*draw)(MapCanvas& canvas, const AppState& state);
    bool wholeCanvas;        // draws outside the map square, so a picture shows the whole canvas
    bool needsGrid = false;  // refused without a computed grid
};

const std::vector<Layer>& Layers() {
    static const std::vector<Layer> layers = {
        {"map", DrawMapLayer, false},
        {"isobars", DrawIsobarLayer, false},
        {"symbols", DrawSymbolLayer, false},
        {"wind", DrawWindLayer, false},
        {"fronts", DrawFrontLayer, false},
        // The 3-D view reaches x = 575: its picture is the whole canvas.
        {"surface", DrawSurfaceLayer, true, true},
    };
    return layers;
}

const Layer* FindLayer(std::string_view name) {
    const auto& layers = Layers();
    const auto it = std::find_if(layers.begin(), layers.end(), [&](const Layer& l) { return l.name == name; });
    return it == layers.end() ? nullptr : &*it;
}

}  // namespace

bool IsKnownLayer(std::string_view name) { return FindLayer(name) != nullptr; }

std::string LayerNameList() {
    std::string out;
    for (const Layer& layer : Layers()) out += (out.empty() ? "" : ", ") + std::string(layer.name);
    return out;
}

bool NeedsComputedGrid(const std::vector<std::string>& layers) {
    return std::any_of(layers.begin(), layers.end(), [](const std::string& name) {
        const Layer* layer = FindLayer(name);
        return layer && layer->needsGrid;
    });
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
