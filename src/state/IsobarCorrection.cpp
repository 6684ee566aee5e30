#include "state/IsobarCorrection.h"

#include "isobar/GridCorrection.h"
#include "state/IsobarLayer.h"

namespace isobra {

namespace {

const GridEdit* ShowEdit(MapCanvas& canvas, const AppState& state, const GridEdit* edit) {
    if (!edit) return nullptr;
    if (edit->kind == GridEdit::Kind::Smoothing) {
        RedrawIsobarMap(canvas, state);
    } else {
        for (const NodeChange& c : edit->changes)
            RetraceAround(canvas, state.field, GridNode{c.ix, c.iy}, state.colours.ColorOf(kIsobarColour));
    }
    return edit;
}

}  // namespace

std::optional<std::int32_t> CorrectAtPoint(MapCanvas& canvas, PressureField& field, GridHistory& history,
                                           Colour isobarColour, const CorrectionClick& click) {
    const std::optional<GridNode> node = NodeAtPoint(field.grid, click.x, click.y);
    if (!node) return std::nullopt;
    if (click.mode == MouseMode::Raise || click.mode == MouseMode::Lower) {
        const std::int32_t step = CorrectionStep(click.leftButton, field.grid.pressureScale);
        const NodeChange change = ChangeNode(field.pressureGrid, *node, click.mode == MouseMode::Raise ? step : -step);
        history.Record(GridEdit{GridEdit::Kind::Node, {change}});
        RetraceAround(canvas, field, *node, isobarColour);
    }
    return field.pressureGrid.at(node->ix, node->iy);
}

void SmoothCorrectedField(MapCanvas& canvas, AppState& state) {
    state.correctionHistory.Record(SmoothOnce(state.field));
    RedrawIsobarMap(canvas, state);
}

const GridEdit* UndoCorrection(MapCanvas& canvas, AppState& state) {
    return ShowEdit(canvas, state, state.correctionHistory.Undo(state.field.pressureGrid));
}

const GridEdit* RedoCorrection(MapCanvas& canvas, AppState& state) {
    return ShowEdit(canvas, state, state.correctionHistory.Redo(state.field.pressureGrid));
}

}  // namespace isobra
