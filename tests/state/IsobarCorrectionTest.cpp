#include <gtest/gtest.h>

#include "../isobar/IsobarMaps.h"
#include "canvas/RecordingCanvas.h"
#include "state/IsobarCorrection.h"

namespace isobra {
namespace {

using Op = RecordingCanvas::Op;

// Undo shows what it put back: the cells around a node are repainted, a
// smoothing brings the whole map back; redo alike.
TEST(IsobarCorrection, UndoRepaintsTheCellsOrTheWholeMap) {
    AppState state;
    test::FillRandomField(state.field, 9, 4, 0);
    RecordingCanvas canvas;
    const Colour isobars = state.colours.ColorOf(kIsobarColour);
    const auto value =
        CorrectAtPoint(canvas, state.field, state.correctionHistory, isobars, {MouseMode::Raise, true, 80, 96});
    ASSERT_TRUE(value);
    SmoothCorrectedField(canvas, state);

    struct Step {
        const GridEdit* (*run)(MapCanvas&, AppState&);
        bool wholeMap;
    };
    for (const Step& step : {Step{UndoCorrection, true}, Step{UndoCorrection, false}, Step{RedoCorrection, false},
                             Step{RedoCorrection, true}}) {
        canvas.Reset();
        ASSERT_NE(step.run(canvas, state), nullptr);
        ASSERT_FALSE(canvas.calls.empty());
        EXPECT_EQ(canvas.calls.front().op == Op::Clear, step.wholeMap);
        EXPECT_EQ(canvas.Of(Op::Box).size(), step.wholeMap ? 0u : 4u);
        if (!step.wholeMap) EXPECT_EQ(canvas.calls.front().x1, 4 * 16);  // the cells around node (5, 6)
    }
    canvas.Reset();
    EXPECT_EQ(RedoCorrection(canvas, state), nullptr);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST(IsobarCorrection, ReadingChangesNothingAndOutsideDoesNothing) {
    AppState state;
    test::FillRandomField(state.field, 2, 3, 0);
    const PressureGrid before = state.field.pressureGrid;
    RecordingCanvas canvas;
    EXPECT_EQ(CorrectAtPoint(canvas, state.field, state.correctionHistory, 0, {MouseMode::Inspect, true, 8, 8}),
              before.at(1, 1));
    EXPECT_FALSE(CorrectAtPoint(canvas, state.field, state.correctionHistory, 0, {MouseMode::Raise, true, 401, 8}));
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_TRUE(state.field.pressureGrid == before);
    EXPECT_FALSE(state.correctionHistory.CanUndo());
}

}  // namespace
}  // namespace isobra
