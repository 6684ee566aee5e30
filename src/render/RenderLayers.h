#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "canvas/MapCanvas.h"
#include "state/AppState.h"

namespace isobra {

// The layers a map is made of, in the order the menu lists their commands.
const std::vector<std::string_view>& LayerNames();
bool IsKnownLayer(std::string_view name);
// "map, isobars, ...", for messages.
std::string LayerNameList();

// Draws the layers in the order given, as the menu commands draw them.
void DrawLayers(MapCanvas& canvas, const AppState& state, const std::vector<std::string>& layers);

// The part of the canvas a PNG shows: the 400 x 400 map square, or the
// whole 635 x 425 canvas when the 3-D surface (which reaches x = 575) is
// among the layers.
struct PngSize {
    int width;
    int height;
};
PngSize PngSizeFor(const std::vector<std::string>& layers);

}  // namespace isobra
