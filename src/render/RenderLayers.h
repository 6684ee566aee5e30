#pragma once

#include <string>
#include <vector>

namespace isobra {

class AppState;
class MapCanvas;

// The layers a map is made of, drawn in the order given, as the menu
// commands draw them.
bool IsKnownLayer(const std::string& name);
bool IsLayerAvailable(const std::string& name);
void DrawLayers(MapCanvas& canvas, const AppState& state, const std::vector<std::string>& layers);

}  // namespace isobra
