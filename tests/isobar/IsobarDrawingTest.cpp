#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "GridTestSupport.h"
#include "canvas/RecordingCanvas.h"
#include "isobar/IsobarDrawing.h"

namespace isobra {
namespace {

constexpr Colour kBlue = MakeColour(0, 0, 255);

using test::AddItem;
using test::EmptyPlotState;

struct Segment {
    float x1, y1, x2, y2;
    bool operator==(const Segment&) const = default;
};

void PrintTo(const Segment& s, std::ostream* os) {
    *os << "(" << s.x1 << "," << s.y1 << ")-(" << s.x2 << "," << s.y2 << ")";
}

// Corners a (top left), b (top right), c (bottom right), d (bottom left) of
// cell (5, 5), whose top left lies at canvas (80, 80). All other nodes are 0,
// so no other cell is traced.
std::vector<Segment> TraceCell(std::array<int, 4> corners, float interval = 200, float half = 100) {
    PressureField state = EmptyPlotState();
    state.pressureGrid.at(5, 5) = corners[0];
    state.pressureGrid.at(6, 5) = corners[1];
    state.pressureGrid.at(6, 6) = corners[2];
    state.pressureGrid.at(5, 6) = corners[3];
    RecordingCanvas canvas;
    DrawIsobars(canvas, state, kBlue, interval, half);
    std::vector<Segment> out;
    for (const auto& call : canvas.Of(RecordingCanvas::Op::Line)) out.push_back({call.x1, call.y1, call.x2, call.y2});
    return out;
}

TEST(DrawIsobars, FlatGridDrawsNothing) {
    PressureField state = EmptyPlotState();
    test::FillGrids(state, 101200);
    RecordingCanvas canvas;
    DrawIsobars(canvas, state, kBlue, 200, 100);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST(DrawIsobars, CornersOnALevelCountAsAboveIt) {
    // 101200 crosses the side edges at mid-height; 101400 runs along the
    // bottom edge, the two low corners counting as above it.
    EXPECT_EQ(TraceCell({101000, 101000, 101400, 101400}), (std::vector<Segment>{{96, 88, 80, 88}, {96, 96, 80, 96}}));
    // Level 101000 finds nothing; 101200 crosses top and left edges at the
    // top left corner itself: a line of length zero.
    EXPECT_EQ(TraceCell({101200, 101000, 101000, 101000}), (std::vector<Segment>{{80, 80, 80, 80}}));
}

TEST(DrawIsobars, SaddleJoinsTheFirstCrossingToTheNearerCandidate) {
    // Crossings at the edge midpoints: P1 top, P2 right, P3 bottom, P4 left;
    // the tie joins P1 to P4 and P2 to P3.
    EXPECT_EQ(TraceCell({101300, 101100, 101300, 101100}), (std::vector<Segment>{{88, 80, 80, 88}, {96, 88, 88, 96}}));
    // P1 (95, 80) lies next to P2 (96, 81): P3 to P4 first, then P1 to P2.
    const std::vector<Segment> lines = TraceCell({101400, 101190, 101400, 101100});
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], (Segment{85, 96, 80, 91}));
    EXPECT_EQ(lines[1], (Segment{95, 80, 96, 81}));
}

TEST(DrawIsobars, CellsWithImplausibleCornersAreSkipped) {
    EXPECT_TRUE(TraceCell({80000, 80500, 80500, 80500}).empty());
    EXPECT_FALSE(TraceCell({80001, 80500, 80500, 80500}).empty());
    EXPECT_TRUE(TraceCell({120000, 119500, 119500, 119500}).empty());
    EXPECT_FALSE(TraceCell({119999, 119500, 119500, 119500}).empty());
    EXPECT_TRUE(TraceCell({0, 101000, 101400, 101400}).empty());
}

TEST(DrawIsobars, EveryMultipleOfTheIntervalBetweenTheExtremes) {
    // 0.5 hPa: 101050, 101100, 101150 across the cell and 101200 along the
    // bottom edge; 101000 lies on the top corners and draws nothing.
    EXPECT_EQ(TraceCell({101000, 101000, 101200, 101200}, 50, 25),
              (std::vector<Segment>{{96, 84, 80, 84}, {96, 88, 80, 88}, {96, 92, 80, 92}, {96, 96, 80, 96}}));
    // Levels count from 0 hPa, whatever half the interval is.
    EXPECT_EQ(TraceCell({101050, 101050, 101350, 101350}, 200, 0).size(), 1u);
    EXPECT_EQ(TraceCell({101050, 101050, 101350, 101350}, 200, 199).size(), 1u);
}

TEST(DrawIsobars, OnlyInteriorCellsAreTraced) {
    PressureField state = EmptyPlotState();
    test::FillGrids(state, 101000);
    for (int i = 0; i <= 25; ++i) state.pressureGrid.at(i, 0) = state.pressureGrid.at(0, i) = 101400;
    for (int i = 0; i <= 25; ++i) state.pressureGrid.at(i, 25) = state.pressureGrid.at(25, i) = 101400;
    RecordingCanvas canvas;
    DrawIsobars(canvas, state, kBlue, 200, 100);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST(DrawIsobars, LinesInTheIsobarColour) {
    PressureField state = EmptyPlotState();
    state.pressureGrid.at(5, 5) = state.pressureGrid.at(6, 5) = 101000;
    state.pressureGrid.at(5, 6) = state.pressureGrid.at(6, 6) = 101300;
    RecordingCanvas canvas;
    DrawIsobars(canvas, state, MakeColour(1, 2, 3), 200, 100);
    ASSERT_EQ(canvas.calls.size(), 1u);
    EXPECT_EQ(canvas.calls[0].colour, MakeColour(1, 2, 3));
}

TEST(DrawIsobars, CentreLettersOnlyInsideTheWindowAndOnlyForFisherySlots) {
    PressureField state = EmptyPlotState();
    PlotTable& t = state.plotTable;
    t.stationCount = 1;
    t.shipCount = 1;
    t.lastPlotIndex = 2;
    t.slot(2) = PlotSlot{200, 200, 0, "高気圧"};  // a ship slot: no letter
    AddItem(state, "高気圧", 395, 200, 0);
    AddItem(state, "高気圧", 391, 200, 0);
    AddItem(state, "低気圧", 8, 8, 0);
    AddItem(state, "台風", 300, 391, 0);
    AddItem(state, "台風", 7, 100, 0);
    AddItem(state, "低気圧", 0, 0, 0);  // not placeable
    AddItem(state, "寒冷前線", 100, 100, 0);
    RecordingCanvas canvas;
    DrawIsobars(canvas, state, kBlue, 200, 100);
    std::vector<std::string> texts;
    for (const auto& call : canvas.Of(RecordingCanvas::Op::Text))
        texts.push_back(call.text + "@" + std::to_string(int(call.x1)) + "," + std::to_string(int(call.y1)));
    EXPECT_EQ(texts, (std::vector<std::string>{"高@391,200", "低@8,8", "台@300,391"}));
}

}  // namespace
}  // namespace isobra
