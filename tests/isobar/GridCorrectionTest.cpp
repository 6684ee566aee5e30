#include <gtest/gtest.h>

#include <algorithm>

#include "IsobarMaps.h"
#include "canvas/RecordingCanvas.h"
#include "isobar/CentreLetters.h"
#include "isobar/GridCorrection.h"
#include "isobar/IsobarSegments.h"

namespace isobra {
namespace {

using Op = RecordingCanvas::Op;

TEST(GridCorrection, ClicksPickTheNearestNodeInsideTheMapOnly) {
    const GridSettings s;
    struct Case {
        float x, y;
        bool inside;
        int ix, iy;
    };
    const Case cases[] = {
        {8, 8, true, 1, 1},       {7.9f, 8, true, 0, 1},   {0, 0, true, 0, 0},      {400, 400, true, 25, 25},
        {391.9f, 8, true, 24, 1}, {270, 100, true, 17, 6}, {401, 8, false, 0, 0},   {8, 400.5f, false, 0, 0},
        {-0.5f, 8, false, 0, 0},  {8, -3, false, 0, 0},    {1e30f, 8, false, 0, 0},
    };
    for (const Case& c : cases) {
        const auto node = NodeAtPoint(s, c.x, c.y);
        ASSERT_EQ(node.has_value(), c.inside) << c.x << "," << c.y;
        if (node) {
            EXPECT_EQ(*node, (GridNode{c.ix, c.iy})) << c.x << "," << c.y;
        }
    }
}

TEST(GridCorrection, TextsAndSums) {
    for (const auto& [value, text] : {std::pair{101250, "1012.5"}, {101200, "1012"}, {-50, "-0.5"}, {5, "0.05"}})
        EXPECT_EQ(PressureText(value, 100), text) << value;
    PressureGrid grid;
    grid.at(0, 0) = INT32_MAX - 10;
    EXPECT_EQ(ChangeNode(grid, {0, 0}, 200).after, INT32_MAX);  // stops, does not wrap
}

// Each retraced cell is wiped white, edges included, then gets exactly the
// segments the whole drawing gives that cell; rows outer, columns inner.
TEST(GridCorrection, RetraceWipesAndRetracesTheFourCellsAroundTheNode) {
    PressureField field;
    test::FillRandomField(field, 7, 5, 200);
    const std::vector<IsobarSegment> whole =
        TraceIsobarSegments(field.pressureGrid, field.grid, field.grid.isobarInterval, field.grid.isobarHalfInterval);
    const Colour blue = 0xff0000;
    RecordingCanvas canvas;
    RetraceAround(canvas, field, {6, 9}, blue);

    std::vector<RecordingCanvas::Call> expected;
    for (const auto& [u, j] : {std::pair{5, 8}, {6, 8}, {5, 9}, {6, 9}}) {
        expected.push_back({Op::Box, u * 16.0f, j * 16.0f, (u + 1) * 16.0f, (j + 1) * 16.0f, 0xffffff});
        for (const IsobarSegment& g : whole)
            if (g.ix == u && g.iy == j)
                expected.push_back({Op::Line, float(g.x1), float(g.y1), float(g.x2), float(g.y2), blue});
    }
    ASSERT_EQ(canvas.calls.size(), expected.size());
    ASSERT_GT(expected.size(), 4u);  // the field has isobars there
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(canvas.calls[i], expected[i]) << "call " << i;
}

TEST(GridCorrection, BorderNodesRetraceOnlyTheTracedCells) {
    PressureField field;
    test::FillRandomField(field, 3, 4, 0);
    struct Case {
        int ix, iy;
        std::size_t boxes;
    };
    const Case cases[] = {{0, 5, 0}, {25, 5, 0}, {5, 0, 0}, {5, 25, 0}, {1, 1, 1}, {24, 24, 1}, {1, 5, 2}, {23, 23, 4}};
    for (const Case& c : cases) {
        RecordingCanvas canvas;
        RetraceAround(canvas, field, {c.ix, c.iy}, 0);
        EXPECT_EQ(canvas.Of(Op::Box).size(), c.boxes) << c.ix << "," << c.iy;
        if (c.boxes == 0) {
            EXPECT_TRUE(canvas.calls.empty());
        }
    }
}

TEST(GridCorrection, CellRangesTraceWhatTheWholeGridTracesThere) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        PressureField field;
        test::FillRandomField(field, seed, 2 + seed % 5, seed % 3 ? 150 : 0);
        const float interval = seed % 2 ? 200.0f : 50.0f;
        const auto whole = TraceIsobarSegments(field.pressureGrid, field.grid, interval, interval / 2);
        std::vector<IsobarSegment> pieced;
        for (int iy = -1; iy <= 25; iy += 3) {
            const auto part = TraceIsobarSegments(field.pressureGrid, field.grid, interval, interval / 2,
                                                  CellRange{-5, iy, 40, std::min(iy + 2, 25)});
            pieced.insert(pieced.end(), part.begin(), part.end());
        }
        EXPECT_EQ(pieced, whole) << seed;
    }
}

// A centre-marked node keeps what the user made of it; the work grid of an
// earlier construction does not come back into it.
TEST(GridCorrection, SmoothingKeepsCentreNodesAndListsWhatItChanged) {
    PressureField field;
    test::FillRandomField(field, 11, 4, 100);
    field.centreMarks.at(10, 10) = -1;
    field.pressureGrid.at(10, 10) = 99000;
    field.workGrid.Fill(123456);
    const PressureGrid before = field.pressureGrid;
    const GridEdit edit = SmoothOnce(field);
    EXPECT_EQ(edit.kind, GridEdit::Kind::Smoothing);
    EXPECT_EQ(field.pressureGrid.at(10, 10), 99000);
    PressureGrid rebuilt = before;
    for (const NodeChange& c : edit.changes) {
        EXPECT_EQ(before.at(c.ix, c.iy), c.before);
        EXPECT_NE(c.before, c.after);
        rebuilt.at(c.ix, c.iy) = c.after;
    }
    EXPECT_TRUE(rebuilt == field.pressureGrid);
    EXPECT_GT(edit.changes.size(), 500u);
}

}  // namespace
}  // namespace isobra
