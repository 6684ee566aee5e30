#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>

#include "GridTestSupport.h"
#include "isobar/CentreRings.h"
#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"

namespace isobra {
namespace {

using test::AddItem;
using test::EmptyPlotState;
using test::FillGrids;

using Nodes = std::set<std::pair<int, int>>;

Nodes NodesHolding(const NodeTable& g, int value) {
    Nodes out;
    for (int iy = 0; iy < NodeTable::kSize; ++iy)
        for (int ix = 0; ix < NodeTable::kSize; ++ix)
            if (g.at(ix, iy) == value) out.insert({ix, iy});
    return out;
}

TEST(GridMath, HalvesGoToTheEvenNeighbourAndWildValuesSaturate) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(101201.5), 101202);
    EXPECT_EQ(RoundHalfEven(101200.5), 101200);
    EXPECT_EQ(RoundHalfEven(2.4999999999), 2);
    EXPECT_EQ(RoundHalfEven(2147483646.5), 2147483646);
    EXPECT_EQ(RoundHalfEven(1e300), 2147483647);
    EXPECT_EQ(RoundHalfEven(-1e300), -2147483647 - 1);
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
    EXPECT_EQ(NearestNode(270, 16), 17);
    EXPECT_EQ(NearestNode(-9, 16), -1);
    EXPECT_EQ(CellCornerNode(200, 16), 13);
    EXPECT_EQ(CellCornerNode(-20, 16), -1);
}

TEST(SeedCellMeans, RoundsTheMeanHalfToEven) {
    PressureField state = EmptyPlotState();
    // Cell of node (10, 10): x 144..160, y 145..160.
    AddItem(state, "", 150, 150, 101200);
    AddItem(state, "", 151, 152, 101300);
    AddItem(state, "", 150, 180, 101201);  // node (10, 12)
    AddItem(state, "", 155, 170, 101202);
    AddItem(state, "", 150, 200, 101200);  // node (10, 13): 101200.5 rounds down to even
    AddItem(state, "", 152, 199, 101201);
    SeedCellMeans(state);
    EXPECT_EQ(state.pressureGrid.at(10, 10), 101250);
    EXPECT_EQ(state.pressureGrid.at(10, 11), 101202);  // 101201.5 rounds to the even 101202
    EXPECT_EQ(state.pressureGrid.at(10, 13), 101200);
}

TEST(SeedCellMeans, CellEdgesSlotZeroAndCentreMarks) {
    PressureField state = EmptyPlotState();
    state.plotTable.slot(0) = PlotSlot{100, 100, 99000, "石垣島"};  // slot 0 never takes part
    AddItem(state, "", 160, 50, 100000);        // on a vertical cell line: nodes (10, 4) and (11, 4)
    AddItem(state, "", 100, 64, 101000);        // on a horizontal line: only node (7, 4)
    AddItem(state, "高気圧", 200, 200, 0);      // no pressure: no mark
    AddItem(state, "低気圧", 300, 300, 99000);  // marks node (19, 19)
    AddItem(state, "", 50, 50, -5);             // negative pressures do not count
    state.pressureGrid.at(20, 20) = 4242;       // nodes without points keep their value
    state.centreMarks.at(13, 13) = -1;          // marks are rebuilt
    SeedCellMeans(state);
    EXPECT_EQ(state.pressureGrid.at(7, 7), 0);
    EXPECT_EQ(state.pressureGrid.at(10, 4), 100000);
    EXPECT_EQ(state.pressureGrid.at(11, 4), 100000);
    EXPECT_EQ(state.pressureGrid.at(7, 4), 101000);
    EXPECT_EQ(state.pressureGrid.at(7, 5), 0);
    EXPECT_EQ(state.pressureGrid.at(4, 4), 0);
    EXPECT_EQ(state.pressureGrid.at(20, 20), 4242);
    EXPECT_EQ(state.centreMarks.at(19, 19), -1);
    EXPECT_EQ(state.centreMarks.at(13, 13), 0);
    EXPECT_EQ(NodesHolding(state.centreMarks, -1).size(), 1u);
}

// The straightforward form: every node scans every slot.
void SeedCellMeansByScanning(PressureField& state) {
    const PlotTable& t = state.plotTable;
    for (int iy = 0; iy <= 25; ++iy) {
        for (int ix = 0; ix <= 25; ++ix) {
            state.centreMarks.at(ix, iy) = 0;
            long long sum = 0;
            int count = 0;
            for (int k = 1; k <= t.lastPlotIndex; ++k) {
                const PlotSlot& p = t.slot(k);
                if (!(ix * 16 - 16 <= p.x && p.x <= ix * 16 && iy * 16 - 16 < p.y && p.y <= iy * 16)) continue;
                if (p.pressure <= 0) continue;
                sum += p.pressure;
                ++count;
                if (k > t.stationCount + t.shipCount && (p.kind == "高気圧" || p.kind == "低気圧" || p.kind == "台風"))
                    state.centreMarks.at(ix, iy) = -1;
            }
            if (count > 0) state.pressureGrid.at(ix, iy) = static_cast<int>(std::nearbyint(double(sum) / count));
        }
    }
}

TEST(SeedCellMeans, MatchesScanningEveryNodeForEverySlot) {
    unsigned seed = 12345;
    auto next = [&](int range) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<int>((seed >> 8) % static_cast<unsigned>(range));
    };
    const char* kinds[] = {"", "高気圧", "低気圧", "台風", "寒冷前線"};
    for (int round = 0; round < 50; ++round) {
        PressureField a = EmptyPlotState();
        a.plotTable.stationCount = next(30);
        a.plotTable.fisheryCount = -a.plotTable.stationCount;
        for (int k = 0; k < 100; ++k) {
            // Many points on cell lines, some off the grid.
            const int x = next(4) == 0 ? 16 * next(28) - 16 : next(460) - 30;
            const int y = next(4) == 0 ? 16 * next(28) - 16 : next(460) - 30;
            AddItem(a, kinds[next(5)], x, y, 100000 + next(3000) - (next(10) == 0 ? 100000 : 0));
        }
        PressureField b = a;
        SeedCellMeans(a);
        SeedCellMeansByScanning(b);
        ASSERT_EQ(a.pressureGrid, b.pressureGrid) << round;
        ASSERT_EQ(a.centreMarks, b.centreMarks) << round;
    }
}

TEST(ImposeIsobarEntries, NearestNodeIsARealDivision) {
    PressureField state = EmptyPlotState();
    AddItem(state, "等圧線", 270, 100, 101200);  // 270 / 16 + 0.5 = 17.375: node 17, not 16
    EXPECT_EQ(ImposeIsobarEntries(state), 0);
    EXPECT_EQ(NodesHolding(state.pressureGrid, 101200), (Nodes{{17, 6}}));
}

TEST(ImposeIsobarEntries, SegmentsRunTowardsLargerIndicesOnly) {
    PressureField right = EmptyPlotState();
    AddItem(right, "等圧線", 80, 160, 101200);   // node (5, 10)
    AddItem(right, "等圧線", 144, 160, 101200);  // node (9, 10)
    right.pressureGrid.at(9, 10) = 101200;
    ImposeIsobarEntries(right);
    EXPECT_EQ(NodesHolding(right.pressureGrid, 101200), (Nodes{{5, 10}, {6, 10}, {7, 10}, {8, 10}, {9, 10}}));

    PressureField left = EmptyPlotState();
    AddItem(left, "等圧線", 144, 160, 101200);
    AddItem(left, "等圧線", 80, 160, 101200);
    left.pressureGrid.at(5, 10) = 101200;
    ImposeIsobarEntries(left);
    EXPECT_EQ(NodesHolding(left.pressureGrid, 101200), (Nodes{{5, 10}, {9, 10}}));

    PressureField down = EmptyPlotState();
    AddItem(down, "等圧線", 80, 32, 101000);  // node (5, 2)
    AddItem(down, "等圧線", 80, 80, 101000);  // node (5, 5)
    down.pressureGrid.at(5, 5) = 101000;
    ImposeIsobarEntries(down);
    EXPECT_EQ(NodesHolding(down.pressureGrid, 101000), (Nodes{{5, 2}, {5, 3}, {5, 4}, {5, 5}}));
}

TEST(ImposeIsobarEntries, JoinsOnlyWhenTheGridAlreadyHoldsTheValue) {
    PressureField state = EmptyPlotState();
    AddItem(state, "等圧線", 80, 160, 101200);
    AddItem(state, "等圧線", 144, 160, 101000);  // its own value is written on its turn
    ImposeIsobarEntries(state);
    EXPECT_EQ(NodesHolding(state.pressureGrid, 101200), (Nodes{{5, 10}}));
    EXPECT_EQ(NodesHolding(state.pressureGrid, 101000), (Nodes{{9, 10}}));
}

TEST(ImposeIsobarEntries, SlopedSegmentStepsByAFifthInSinglePrecision) {
    PressureField state = EmptyPlotState();
    AddItem(state, "等圧線", 32, 32, 100800);   // node (2, 2)
    AddItem(state, "等圧線", 80, 128, 100800);  // node (5, 8)
    state.pressureGrid.at(5, 8) = 100800;
    ImposeIsobarEntries(state);
    EXPECT_EQ(NodesHolding(state.pressureGrid, 100800),
              (Nodes{{2, 2}, {2, 3}, {3, 3}, {3, 4}, {3, 5}, {4, 5}, {4, 6}, {4, 7}, {5, 7}, {5, 8}}));
}

TEST(ImposeIsobarEntries, PointsBeyondTheStorageAreLeftOutWithTheirSegments) {
    PressureField state = EmptyPlotState();
    AddItem(state, "等圧線", 80, 160, 101200);
    AddItem(state, "等圧線", 495, 313, 101200);   // 15 N 160 E: node (31, 20)
    AddItem(state, "等圧線", 200, -600, 101200);  // node (13, -37)
    AddItem(state, "等圧線", 480, 100, 101200);   // node (30, 6): still stored
    EXPECT_EQ(ImposeIsobarEntries(state), 2);
    EXPECT_EQ(NodesHolding(state.pressureGrid, 101200), (Nodes{{5, 10}, {30, 6}}));
}

TEST(FindNeighbours, ProbesMoveOnlyThroughInteriorCoordinates) {
    PressureField state = EmptyPlotState();
    PressureGrid& g = state.pressureGrid;
    g.at(3, 0) = 1;  // along the top border line
    g.at(0, 2) = 1;  // along the left border line
    g.at(3, 3) = 1;  // diagonal, at the reach of 3
    Neighbours d = FindNeighbours(g, state.grid, 0, 0, 5);
    EXPECT_EQ(d, (Neighbours{.d2 = 2, .d3 = 3, .d6 = 3}));

    g.Fill(0);
    g.at(25, 10) = 1;  // border nodes are never probed
    g.at(14, 10) = 1;
    g.at(10, 16) = 1;  // six steps: out of reach
    g.at(6, 14) = 1;   // diagonal at four steps: out of reach
    g.at(11, 9) = 1;
    d = FindNeighbours(g, state.grid, 20, 10, 5);
    EXPECT_EQ(d.d6, 0);
    d = FindNeighbours(g, state.grid, 10, 10, 5);
    EXPECT_EQ(d, (Neighbours{.d6 = 4, .d9 = 1}));
}

TEST(InterpolatePass, ShortestSpanWinsAndEqualSpansKeepTheEarlierAxis) {
    PressureField state = EmptyPlotState();
    PressureGrid& g = state.pressureGrid;
    // Node (6, 10): 4-6 and 8-2 both span 2; 4-6 comes first.
    g.at(5, 10) = 100000;
    g.at(7, 10) = 100200;
    g.at(6, 9) = 101000;
    g.at(6, 11) = 101200;
    // Node (15, 10): 4-6 spans 4, 8-2 spans 2 and wins.
    g.at(13, 10) = 100000;
    g.at(17, 10) = 100400;
    g.at(15, 9) = 101001;
    g.at(15, 11) = 101002;
    // Node (20, 5): only 4-6, weighted linearly: (3 x 101000 + 1 x 101400) / 4.
    g.at(19, 5) = 101000;
    g.at(23, 5) = 101400;
    InterpolatePass(state);
    EXPECT_EQ(g.at(6, 10), 100100);
    EXPECT_EQ(g.at(15, 10), 101002);  // 101001.5 rounds to even
    EXPECT_EQ(g.at(20, 5), 101100);
}

TEST(InterpolatePass, KeepsWhatTheWorkGridHeldAndReadsOnlyTheOldGrid) {
    PressureField state = EmptyPlotState();
    state.workGrid.at(3, 3) = 12345;
    state.pressureGrid.at(10, 3) = 100000;
    state.pressureGrid.at(12, 3) = 100000;
    InterpolatePass(state);
    EXPECT_EQ(state.pressureGrid.at(3, 3), 12345);
    EXPECT_EQ(state.pressureGrid.at(11, 3), 100000);
    // (9, 3) had only one side before the pass; the value just written at
    // (11, 3) is not seen within the same pass.
    EXPECT_EQ(state.pressureGrid.at(13, 3), 0);
}

TEST(CentreRings, ThirtyOneAnglesInSinglePrecision) {
    const std::vector<float>& angles = CentreRingAngles();
    ASSERT_EQ(angles.size(), 31u);
    EXPECT_EQ(angles[0], 0.0f);
    EXPECT_LT(angles[30], 6.283184f - 3.141592f / 16.0f);
    // The ring offsets stay clear of whole numbers (apart from the exact
    // ones), so no last-bit difference of a maths library can move a node.
    for (float theta : angles)
        for (int r = 1; r <= 8; ++r)
            for (double v : {r * std::cos(double(theta)), r * std::sin(double(theta))}) {
                const double gap = std::fabs(v - std::nearbyint(v));
                EXPECT_TRUE(gap == 0.0 || gap > 1e-14) << theta << " " << r;
            }
}

TEST(CentreRings, NodesMetBySeveralAnglesCountOncePerAngle) {
    PressureField state = EmptyPlotState();
    AddItem(state, "低気圧", 200, 200, 0);  // cell corner (13, 13)
    // Ring 1 meets (14, 13) once, (13, 13) eight times, (12, 13) eight
    // times, (12, 12) seven times and (13, 12) seven times.
    state.pressureGrid.at(14, 13) = 100000;
    state.pressureGrid.at(12, 13) = 102000;
    FillCentreRings(state, 1);
    const int mean = 101778;  // (100000 + 8 x 102000) / 9
    EXPECT_EQ(NodesHolding(state.pressureGrid, mean), (Nodes{{13, 13}, {12, 12}, {13, 12}}));
    EXPECT_EQ(state.pressureGrid.at(14, 13), 100000);
}

TEST(CentreRings, SmoothingUsesTheNearestNodeAndOverwrites) {
    PressureField state = EmptyPlotState();
    AddItem(state, "高気圧", 200, 200, 0);  // nearest node (13, 13)
    state.pressureGrid.at(14, 13) = 100000;
    state.pressureGrid.at(12, 13) = 102000;
    SmoothCentreRings(state, 1);
    // Non-zero nodes get their ring mean only in the work grid.
    EXPECT_EQ(state.workGrid.at(14, 13), 101778);
    EXPECT_EQ(state.pressureGrid.at(14, 13), 100000);
    EXPECT_EQ(state.pressureGrid.at(13, 12), 101778);
}

TEST(CentreRings, FarCentresTouchOnlyInteriorNodes) {
    PressureField state = EmptyPlotState();
    AddItem(state, "台風", -20, 200, 0);  // corner node (-1, 13)
    AddItem(state, "低気圧", 5000, 5000, 0);
    FillGrids(state, 0);
    state.pressureGrid.at(1, 13) = 100000;
    FillCentreRings(state, 8);
    SmoothCentreRings(state, 3);
    for (int iy = 0; iy < NodeTable::kSize; ++iy)
        for (int ix = 0; ix < NodeTable::kSize; ++ix)
            if (state.pressureGrid.at(ix, iy) != 0) {
                EXPECT_GT(ix, 0);
                EXPECT_LT(ix, 25);
            }
    // Ring 3 reaches into the map: (1, 14) at angle step 2, (1, 11) at
    // steps 29 and 30; (1, 12) would need step 31, which is never sampled.
    EXPECT_EQ(state.pressureGrid.at(1, 14), 100000);
    EXPECT_EQ(state.pressureGrid.at(1, 11), 100000);
    EXPECT_EQ(state.pressureGrid.at(1, 12), 0);
}

TEST(ExtrapolateNode, DampedLinearStepFromEachUsableDirection) {
    PressureField state = EmptyPlotState();
    PressureGrid& g = state.pressureGrid;
    g.at(11, 10) = 101000;
    g.at(12, 10) = 101300;
    ExtrapolateNode(state, 10, 10);
    EXPECT_EQ(state.workGrid.at(10, 10), 100800);  // (5 x 101000 - 2 x 101300) / 3
    g.at(9, 10) = 101000;
    g.at(8, 10) = 100900;
    ExtrapolateNode(state, 10, 10);
    EXPECT_EQ(state.workGrid.at(10, 10), 100933);  // (100800 + 101066.67) / 2
    // The far node must be interior: from (2, 5) the far node (0, 5) is not.
    g.at(1, 5) = 101000;
    g.at(0, 5) = 101000;
    ExtrapolateNode(state, 2, 5);
    EXPECT_EQ(state.workGrid.at(2, 5), 0);
}

TEST(ExtrapolateSpiral, NeverVisitsTheCentreTheLastRowOrColumnOrTheBorder) {
    PressureField state = EmptyPlotState();
    FillGrids(state, 101000);
    for (auto [x, y] : {std::pair{12, 12}, {24, 10}, {10, 24}, {0, 10}, {25, 10}, {10, 25}})
        state.pressureGrid.at(x, y) = state.workGrid.at(x, y) = 0;
    EXPECT_EQ(ExtrapolateSpiral(state), false);
    EXPECT_EQ(state.pressureGrid.at(24, 10), 101000);
    EXPECT_EQ(state.pressureGrid.at(10, 24), 101000);
    EXPECT_EQ(state.pressureGrid.at(12, 12), 0);
    EXPECT_EQ(state.pressureGrid.at(0, 10), 0);
    EXPECT_EQ(state.pressureGrid.at(25, 10), 0);
    EXPECT_EQ(state.pressureGrid.at(10, 25), 0);
}

TEST(ExtrapolateSpiral, ReportsFullOnlyFromFiveHundredSeventySixNodes) {
    PressureField state = EmptyPlotState();
    FillGrids(state, -3);  // a value, so nothing is extrapolated, but not above 0
    int set = 0;
    for (int iy = 0; iy <= 25; ++iy)
        for (int ix = 0; ix <= 25; ++ix)
            if (set < 575) {
                state.pressureGrid.at(ix, iy) = 101000;
                ++set;
            }
    EXPECT_EQ(ExtrapolateSpiral(state), true);
    state.pressureGrid.at(25, 25) = 101000;  // a border node counts
    EXPECT_EQ(ExtrapolateSpiral(state), false);
}

TEST(SmoothPass, MeanOfInteriorNeighboursAveragedWithTheNode) {
    PressureField state = EmptyPlotState();
    FillGrids(state, 101400);
    PressureGrid& g = state.pressureGrid;
    g.at(5, 5) = 101000;  // (101400 + 101000) / 2
    g.at(9, 9) = 0;       // no own value: the neighbours' mean
    g.at(15, 15) = 101001;
    for (auto [x, y] : {std::pair{16, 15}, {16, 14}, {15, 14}, {14, 14}, {14, 15}, {14, 16}, {15, 16}, {16, 16}})
        g.at(x, y) = 101000;  // mean 101000; (101000 + 101001) / 2 rounds to even
    state.centreMarks.at(20, 20) = -1;
    state.workGrid.at(20, 20) = 777;
    g.at(20, 20) = 5;
    SmoothPass(state);
    EXPECT_EQ(g.at(5, 5), 101200);
    EXPECT_EQ(g.at(9, 9), 101400);
    EXPECT_EQ(g.at(15, 15), 101000);
    EXPECT_EQ(g.at(20, 20), 777);   // a centre takes back the work grid's value
    EXPECT_EQ(g.at(0, 0), 101400);  // only (1, 1) counts for a corner
}

}  // namespace
}  // namespace isobra
