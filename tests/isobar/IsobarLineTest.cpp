#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "GridTestSupport.h"
#include "IsobarMaps.h"
#include "isobar/GridMath.h"
#include "isobar/IsobarLine.h"

namespace isobra {
namespace {

std::vector<IsobarLine> LinesOf(const PressureField& state, float interval = 200) {
    return ChainIsobarSegments(TraceIsobarSegments(state.pressureGrid, state.grid, interval, interval / 2));
}

// Every segment on exactly one line; neighbours on a line lie in cells
// that share an edge, and a closed line also closes that way.
void ExpectWellFormed(const std::vector<IsobarSegment>& segments, const std::vector<IsobarLine>& lines) {
    std::vector<int> seen(segments.size(), 0);
    for (const IsobarLine& line : lines) {
        ASSERT_FALSE(line.segments.empty());
        EXPECT_EQ(line.points.size(), line.segments.size() + 1);
        for (std::size_t k = 0; k < line.segments.size(); ++k) {
            const IsobarSegment& g = segments[static_cast<std::size_t>(line.segments[k])];
            ++seen[static_cast<std::size_t>(line.segments[k])];
            EXPECT_EQ(RoundHalfEven(g.level), line.level);
            const bool last = k + 1 == line.segments.size();
            if (last && !line.closed) continue;
            const IsobarSegment& h = segments[static_cast<std::size_t>(line.segments[last ? 0 : k + 1])];
            EXPECT_EQ(std::abs(g.ix - h.ix) + std::abs(g.iy - h.iy), 1) << "level " << line.level;
        }
        if (line.closed) {
            EXPECT_GE(line.segments.size(), 4u);
        }
    }
    for (const int n : seen) EXPECT_EQ(n, 1);
}

TEST(ChainIsobarSegments, RingsAroundAHighAndOneLinePerCrossing) {
    PressureField state = test::EmptyPlotState();
    test::FillGrids(state, 101100);
    state.pressureGrid.at(10, 10) = 101300;  // a one-node high: a ring of four
    for (int ix = 1; ix <= 24; ++ix) state.pressureGrid.at(ix, 20) = state.pressureGrid.at(ix, 21) = 100900;
    const std::vector<IsobarLine> lines = LinesOf(state);
    // 101000 on both sides of the trough, each across the whole map; then
    // 101200 round the high.
    ASSERT_EQ(lines.size(), 3u);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(lines[k].level, 101000);
        EXPECT_FALSE(lines[k].closed);
        EXPECT_EQ(lines[k].segments.size(), 23u);  // every traced column
    }
    EXPECT_EQ(lines[0].points.front().y, 19 * 16 + 8);
    EXPECT_EQ(lines[1].points.front().y, 21 * 16 + 8);
    EXPECT_EQ(lines[2].level, 101200);
    EXPECT_TRUE(lines[2].closed);
    EXPECT_EQ(lines[2].segments.size(), 4u);
    EXPECT_EQ(lines[2].points.front(), lines[2].points.back());
}

TEST(ChainIsobarSegments, ASaddleCellKeepsItsTwoLinesApart) {
    // Two one-node highs on a diagonal: cell (10, 10) is a saddle whose two
    // pieces close two separate rings.
    PressureField state = test::EmptyPlotState();
    test::FillGrids(state, 101100);
    state.pressureGrid.at(10, 10) = state.pressureGrid.at(11, 11) = 101300;
    const std::vector<IsobarSegment> segments = TraceIsobarSegments(state.pressureGrid, state.grid, 200, 100);
    const std::vector<IsobarLine> lines = ChainIsobarSegments(segments);
    ExpectWellFormed(segments, lines);
    ASSERT_EQ(lines.size(), 2u);
    for (const IsobarLine& line : lines) {
        EXPECT_TRUE(line.closed);
        EXPECT_EQ(line.segments.size(), 4u);
        int inSaddle = 0;
        for (const int s : line.segments) {
            const IsobarSegment& g = segments[static_cast<std::size_t>(s)];
            inSaddle += g.ix == 10 && g.iy == 10;
        }
        EXPECT_EQ(inSaddle, 1);
    }
}

TEST(ChainIsobarSegments, TheExampleAndRandomMapsChainWhole) {
    const AppState winter = test::WinterMap();
    for (const float interval : {200.0f, 100.0f}) {
        const std::vector<IsobarSegment> segments =
            TraceIsobarSegments(winter.field.pressureGrid, winter.field.grid, interval, interval / 2);
        ExpectWellFormed(segments, ChainIsobarSegments(segments));
    }
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        PressureField state = test::EmptyPlotState();
        test::FillRandomField(state, seed, 3 + static_cast<int>(seed % 6), seed % 2 ? 300 : 0);
        // Nodes exactly on levels, and a hole of missing values.
        for (int k = 0; k < 30; ++k) {
            int& v = state.pressureGrid.at(1 + static_cast<int>((seed * 3 + k * 7) % 24), 1 + (k * 11) % 24);
            v = v / 200 * 200;
        }
        state.pressureGrid.at(12, 12) = 0;
        const std::vector<IsobarSegment> segments = TraceIsobarSegments(state.pressureGrid, state.grid, 200, 100);
        const std::vector<IsobarLine> lines = ChainIsobarSegments(segments);
        ExpectWellFormed(segments, lines);
    }
}

}  // namespace
}  // namespace isobra
