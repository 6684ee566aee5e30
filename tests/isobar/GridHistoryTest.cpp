#include <gtest/gtest.h>

#include "isobar/GridCorrection.h"
#include "isobar/GridHistory.h"

namespace isobra {
namespace {

GridEdit Raise(PressureGrid& grid, int ix, int iy, int delta) {
    return {GridEdit::Kind::Node, {ChangeNode(grid, {ix, iy}, delta)}};
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
    history.Record(GridEdit{GridEdit::Kind::Node, {{3, 3, 130, 130}}});  // a node left as it was: no step either
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

TEST(GridHistory, AStepKeepsOnlyTheNodesItChanged) {
    PressureGrid grid;
    GridHistory history;
    history.Record(GridEdit{GridEdit::Kind::Smoothing, {{4, 4, 100, 100}, {5, 5, 0, 100}}});
    const GridEdit* undone = history.Undo(grid);
    ASSERT_NE(undone, nullptr);
    EXPECT_EQ(undone->changes, (std::vector<NodeChange>{{5, 5, 0, 100}}));
}

}  // namespace
}  // namespace isobra
