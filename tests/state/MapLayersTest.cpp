#include <gtest/gtest.h>

#include <set>

#include "canvas/RecordingCanvas.h"
#include "state/GridReplacement.h"
#include "state/MapLayers.h"
#include "support/WinterExample.h"

namespace isobra {
namespace {

// With the ten colour items all different, each layer draws in its own:
// a layer that took another's colour (the symbols the wind's) shows here.
TEST(MapLayers, EachLayerDrawsInItsOwnColours) {
    AppState state;
    ASSERT_TRUE(test::LoadWinterExample(state));
    // The example has warm and cold fronts; a stationary and an occluded one besides.
    const int first = state.observations.fisheryCount();
    state.observations.SetFisheryCount(first + 4);
    state.observations.fishery(first) = {"停滞前線", 35, 130, 0};
    state.observations.fishery(first + 1) = {"停滞前線", 33, 136, 0};
    state.observations.fishery(first + 2) = {"閉塞前線", 46, 140, 0};
    state.observations.fishery(first + 3) = {"閉塞前線", 43, 146, 0};
    ASSERT_TRUE(BuildPressureGrid(state));
    for (int item = 1; item <= kColourItemCount; ++item) state.colours.SetColour(item, MakeColour(item, 100, 200));

    struct Case {
        const char* layer;
        void (*draw)(MapCanvas&, const AppState&);
        std::set<int> items;
    };
    const Case cases[] = {
        {"map", DrawMapLayer, {kMapColour}},
        {"symbols", DrawSymbolLayer, {kWeatherSymbolColour}},
        {"wind", DrawWindLayer, {kWindSymbolColour}},
        {"fronts", DrawFrontLayer, {kWarmFrontColour, kColdFrontColour, kStationaryFrontColour, kOccludedFrontColour}},
        {"surface", DrawSurfaceLayer, {kMapColour, kIsobarColour}},
    };
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        c.draw(canvas, state);
        std::set<Colour> drawn, wanted;
        for (const RecordingCanvas::Call& call : canvas.calls)
            if (call.op != RecordingCanvas::Op::Text) drawn.insert(call.colour);
        for (int item : c.items) wanted.insert(state.colours.ColorOf(item));
        EXPECT_EQ(drawn, wanted) << c.layer;
    }
}

}  // namespace
}  // namespace isobra
