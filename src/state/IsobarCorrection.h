#pragma once

#include <cstdint>
#include <optional>

#include "canvas/MapCanvas.h"
#include "isobar/GridHistory.h"
#include "model/PressureField.h"
#include "state/AppState.h"
#include "state/MouseMode.h"

namespace isobra {

// A press on the map while the correction window is open.
struct CorrectionClick {
    MouseMode mode = MouseMode::Inspect;
    bool leftButton = true;  // 2 hPa; any other button 0.5 hPa
    float x = 0;             // canvas pixels
    float y = 0;
};

// "+" raises and "-" lowers the node nearest to the click by the button's
// step, records the change and repaints the cells around the node; "?" only
// reads. Returns the node's value after the click, or nothing for a click
// outside the map square, which changes and shows nothing.
std::optional<std::int32_t> CorrectAtPoint(MapCanvas& canvas, PressureField& field, GridHistory& history,
                                           Colour isobarColour, const CorrectionClick& click);

// "データの平均": one smoothing pass, recorded, then the full redraw.
void SmoothCorrectedField(MapCanvas& canvas, AppState& state);

// Undoes (redoes) the last correction step and shows the result: the cells
// around a changed node are repainted, a smoothing redraws the whole map.
// Returns the step, or null when there was nothing to undo (redo).
const GridEdit* UndoCorrection(MapCanvas& canvas, AppState& state);
const GridEdit* RedoCorrection(MapCanvas& canvas, AppState& state);

}  // namespace isobra
