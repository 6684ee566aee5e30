#include <gtest/gtest.h>

#include "IsobarMaps.h"
#include "isobar/GridCorrection.h"
#include "isobar/GridHistory.h"

namespace isobra {
namespace {

GridEdit Raise(PressureGrid& grid, int ix, int iy, int delta) {
    return {GridEdit::Kind::Node, {ChangeNode(grid, {ix, iy}, delta)}};
}

// Raise, lower, smooth, raise the same node again: each undo takes back one
// step, each redo puts it back, and a new step after undos ends the redo.
TEST(GridHistory, UndoAndRedoAcrossASmoothing) {
    PressureField field;
    test::FillRandomField(field, 5, 3, 0);
    GridHistory history;
    std::vector<PressureGrid> states{field.pressureGrid};
    history.Record(Raise(field.pressureGrid, 5, 5, 200));
    states.push_back(field.pressureGrid);
    history.Record(Raise(field.pressureGrid, 6, 5, -50));
    states.push_back(field.pressureGrid);
    history.Record(SmoothOnce(field));
    states.push_back(field.pressureGrid);
    history.Record(Raise(field.pressureGrid, 5, 5, 200));
    states.push_back(field.pressureGrid);

    for (int i = 3; i >= 0; --i) {
        const GridEdit* undone = history.Undo(field.pressureGrid);
        ASSERT_NE(undone, nullptr);
        EXPECT_EQ(undone->kind, i == 2 ? GridEdit::Kind::Smoothing : GridEdit::Kind::Node);
        EXPECT_TRUE(field.pressureGrid == states[i]) << i;
    }
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.Undo(field.pressureGrid), nullptr);
    for (int i = 1; i <= 4; ++i) {
        ASSERT_NE(history.Redo(field.pressureGrid), nullptr);
        EXPECT_TRUE(field.pressureGrid == states[i]) << i;
    }
    EXPECT_FALSE(history.CanRedo());

    history.Undo(field.pressureGrid);
    history.Undo(field.pressureGrid);
    history.Record(Raise(field.pressureGrid, 1, 1, 50));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoCount(), 3u);
}

// Only the nodes a step changed go back: a node set by something else in
// between keeps that value.
TEST(GridHistory, UndoPutsBackOnlyWhatTheStepChanged) {
    PressureGrid grid;
    grid.at(0, 0) = 101000;
    grid.at(4, 4) = 101000;
    GridHistory history;
    history.Record(Raise(grid, 4, 4, 200));
    grid.MarkNotComputed();
    history.Undo(grid);
    EXPECT_EQ(grid.at(4, 4), 101000);
    EXPECT_EQ(grid.at(0, 0), 0);
}

TEST(GridHistory, KeepsTheLastHundredStepsAndClears) {
    PressureGrid grid;
    GridHistory history;
    int notices = 0;
    history.SetListener([&] { ++notices; });
    for (int i = 0; i < 130; ++i) history.Record(Raise(grid, 3, 3, 1));
    EXPECT_EQ(notices, 130);
    history.Record(GridEdit{});  // nothing changed: not a step
    EXPECT_EQ(notices, 130);
    int undone = 0;
    while (history.Undo(grid)) ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(grid.at(3, 3), 30);  // the 30 oldest steps are gone for good
    EXPECT_TRUE(history.CanRedo());
    history.Clear();
    EXPECT_FALSE(history.CanUndo());
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Redo(grid), nullptr);
    const int before = notices;
    history.Clear();  // nothing left: nobody is told
    EXPECT_EQ(notices, before);
}

}  // namespace
}  // namespace isobra
