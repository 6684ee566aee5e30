#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "canvas/MapCanvas.h"
#include "state/AppState.h"

namespace isobra {

// The layers a map is made of are named "map", "isobars", "symbols", "wind",
// "fronts" and "surface", in the order the menu lists their commands.
bool IsKnownLayer(std::string_view name);
// "map, isobars, ...", for messages.
std::string LayerNameList();

// Whether one of the layers draws nothing sensible without a computed grid
// and is refused, as its menu command is ("surface").
bool NeedsComputedGrid(const std::vector<std::string>& layers);

// Draws the layers in the order given, as the menu commands draw them.
void DrawLayers(MapCanvas& canvas, const AppState& state, const std::vector<std::string>& layers);

// The part of the canvas a picture of these layers shows: the 400 x 400
// square of the map, or the whole canvas when a layer draws beside it.
struct PictureArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};
PictureArea PictureAreaOf(const std::vector<std::string>& layers, int canvasWidth, int canvasHeight);

}  // namespace isobra
