#pragma once

// What the fuzz targets share: reading the input as a file of the program,
// drawing the way the window draws (without texts), and failing loudly when
// an invariant breaks, so that libFuzzer keeps the input.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "canvas/PixelCanvas.h"
#include "state/AppState.h"
#include "state/IsobarLayer.h"
#include "state/MapLayers.h"

namespace isobra::fuzz {

inline std::string_view Bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Stops the run with the broken invariant; libFuzzer saves the input.
inline void Require(bool holds, const char* what, const std::string& detail = {}) {
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n%s\n", what, detail.c_str());
    std::abort();
}

// Every layer that reads the observations or the pressure field, plain and
// with values on the isobars.
inline void DrawEverything(AppState& state) {
    for (const bool labels : {false, true}) {
        PixelCanvas canvas;
        state.labelIsobars = labels;
        DrawIsobarLayer(canvas, state);
        DrawSymbolLayer(canvas, state);
        DrawWindLayer(canvas, state);
        DrawFrontLayer(canvas, state);
    }
    state.labelIsobars = false;
}

}  // namespace isobra::fuzz
