// The passes against plain transcriptions of their rules, on random grids:
// the fast forms must never change a node.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "GridTestSupport.h"
#include "isobar/GridPasses.h"
#include "isobar/NeighbourField.h"

namespace isobra {
namespace {

constexpr int kMax = 25;

bool Interior(int v) { return 0 < v && v < kMax; }
int Round(double v) { return static_cast<int>(std::nearbyint(v)); }

void ReferenceInterpolatePass(AppState& s) {
    PressureGrid& G = s.pressureGrid;
    WorkGrid& W = s.workGrid;
    for (int iy = 0; iy <= kMax; ++iy) {
        for (int ix = 0; ix <= kMax; ++ix) {
            if (G.at(ix, iy) != 0) {
                W.at(ix, iy) = G.at(ix, iy);
                continue;
            }
            const Neighbours d = FindNeighbours(G, s.grid, ix, iy, 5);
            if (W.at(ix, iy) != 0) continue;
            const int a0 = d.d4 > 0 && d.d6 > 0 ? d.d4 + d.d6 : 0;
            const int a1 = d.d1 > 0 && d.d9 > 0 ? d.d1 + d.d9 : 0;
            const int a2 = d.d8 > 0 && d.d2 > 0 ? d.d8 + d.d2 : 0;
            const int a3 = d.d7 > 0 && d.d3 > 0 ? d.d7 + d.d3 : 0;
            int bound = 100, axis = 0;
            if (a0 > 0) axis = 46, bound = a0;
            if (a1 > 0 && a1 < bound) axis = 91, bound = a1;
            if (a2 > 0 && a2 < bound) axis = 82, bound = a2;
            if (a3 > 0 && a3 < bound) axis = 73, bound = a3;
            double v = 0;
            if (axis == 46) v = double(d.d6 * G.at(ix - d.d4, iy) + d.d4 * G.at(ix + d.d6, iy)) / a0;
            if (axis == 91) v = double(d.d1 * G.at(ix + d.d9, iy - d.d9) + d.d9 * G.at(ix - d.d1, iy + d.d1)) / a1;
            if (axis == 82) v = double(d.d2 * G.at(ix, iy - d.d8) + d.d8 * G.at(ix, iy + d.d2)) / a2;
            if (axis == 73) v = double(d.d3 * G.at(ix - d.d7, iy - d.d7) + d.d7 * G.at(ix + d.d3, iy + d.d3)) / a3;
            if (axis != 0) W.at(ix, iy) = Round(v);
        }
    }
    for (int iy = 0; iy <= kMax; ++iy)
        for (int ix = 0; ix <= kMax; ++ix) G.at(ix, iy) = W.at(ix, iy);
}

void ReferenceExtrapolateNode(AppState& s, int x, int y) {
    const int dirs[8][2] = {{1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}};
    double sum = 0;
    int count = 0;
    for (const auto& dir : dirs) {
        const int u = dir[0], v = dir[1];
        if (u != 0 ? !Interior(x + 2 * u) : !Interior(x)) continue;
        if (v != 0 ? !Interior(y + 2 * v) : !Interior(y)) continue;
        const int g1 = s.pressureGrid.at(x + u, y + v), g2 = s.pressureGrid.at(x + 2 * u, y + 2 * v);
        if (g1 > 0 && g2 > 0) {
            sum += double(5 * g1 - 2 * g2) / 3;
            ++count;
        }
    }
    if (count > 0) s.workGrid.at(x, y) = Round(sum / count);
}

int ReferenceExtrapolateSpiral(AppState& s) {
    const int c = 12, d = 12;
    auto visit = [&](int x, int y) {
        if (Interior(x) && Interior(y) && s.pressureGrid.at(x, y) == 0) ReferenceExtrapolateNode(s, x, y);
    };
    for (int i = 1; i <= 12; ++i) {
        for (int x = c - i; x <= c + i - 1; ++x) visit(x, d - i);
        for (int y = d - i; y <= d + i - 1; ++y) visit(c + i, y);
        for (int x = c - i + 1; x <= c + i; ++x) visit(x, d + i);
        for (int y = d - i + 1; y <= d + i; ++y) visit(c - i, y);
    }
    int count = 0;
    for (int iy = 0; iy <= kMax; ++iy)
        for (int ix = 0; ix <= kMax; ++ix) {
            if (s.pressureGrid.at(ix, iy) == 0) s.pressureGrid.at(ix, iy) = s.workGrid.at(ix, iy);
            if (s.pressureGrid.at(ix, iy) > 0) ++count;
        }
    return count < 576 ? 1 : -1;
}

void ReferenceSmoothPass(AppState& s) {
    const int n[8][2] = {{1, 0}, {1, -1}, {0, -1}, {-1, -1}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}};
    for (int iy = 0; iy <= kMax; ++iy)
        for (int ix = 0; ix <= kMax; ++ix) {
            if (s.centreMarks.at(ix, iy) == -1) continue;
            double sum = 0;
            int count = 0;
            for (const auto& o : n) {
                const int x = ix + o[0], y = iy + o[1];
                if (Interior(x) && Interior(y) && s.pressureGrid.at(x, y) > 0) {
                    sum += s.pressureGrid.at(x, y);
                    ++count;
                }
            }
            if (count == 0) continue;
            s.workGrid.at(ix, iy) = Round(sum / count);
            if (s.pressureGrid.at(ix, iy) > 0)
                s.workGrid.at(ix, iy) = Round(double(s.workGrid.at(ix, iy) + s.pressureGrid.at(ix, iy)) / 2);
        }
    for (int iy = 0; iy <= kMax; ++iy)
        for (int ix = 0; ix <= kMax; ++ix) s.pressureGrid.at(ix, iy) = s.workGrid.at(ix, iy);
}

class RandomGrids : public ::testing::Test {
protected:
    int Next(int range) {
        seed_ = seed_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((seed_ >> 33) % static_cast<unsigned>(range));
    }
    // Grids from nearly empty to nearly full, with some negative values, some
    // left-overs in the work grid and a few centre marks.
    AppState Make(int round) {
        AppState s = test::EmptyPlotState();
        const int density = 1 + round % 20;
        for (int iy = 0; iy <= kMax; ++iy)
            for (int ix = 0; ix <= kMax; ++ix) {
                if (Next(20) < density) s.pressureGrid.at(ix, iy) = 99000 + Next(5000) - (Next(30) == 0 ? 200000 : 0);
                if (Next(40) == 0) s.workGrid.at(ix, iy) = 100000 + Next(1000);
                if (Next(30) == 0) s.centreMarks.at(ix, iy) = -1;
            }
        return s;
    }
    std::uint64_t seed_ = 42;
};

TEST_F(RandomGrids, NeighbourFieldFindsWhatTheProbesFind) {
    for (int round = 0; round < 60; ++round) {
        const AppState s = Make(round);
        const NeighbourField field(s.pressureGrid, s.grid, 5);
        for (int iy = 0; iy <= kMax; ++iy)
            for (int ix = 0; ix <= kMax; ++ix)
                ASSERT_EQ(field.At(ix, iy), FindNeighbours(s.pressureGrid, s.grid, ix, iy, 5)) << ix << "," << iy;
    }
}

TEST_F(RandomGrids, PassesMatchTheirPlainForms) {
    for (int round = 0; round < 120; ++round) {
        const AppState start = Make(round);
        AppState fast = start, plain = start;
        InterpolatePass(fast);
        ReferenceInterpolatePass(plain);
        ASSERT_EQ(fast.pressureGrid, plain.pressureGrid) << "interpolation, round " << round;
        ASSERT_EQ(fast.workGrid, plain.workGrid) << "interpolation, round " << round;

        fast = plain = start;
        ASSERT_EQ(ExtrapolateSpiral(fast), ReferenceExtrapolateSpiral(plain));
        ASSERT_EQ(fast.pressureGrid, plain.pressureGrid) << "extrapolation, round " << round;

        fast = plain = start;
        SmoothPass(fast);
        ReferenceSmoothPass(plain);
        ASSERT_EQ(fast.pressureGrid, plain.pressureGrid) << "smoothing, round " << round;
    }
}

}  // namespace
}  // namespace isobra
