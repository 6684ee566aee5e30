// The passes and the tracing against plain transcriptions of their rules, on
// random grids: the fast forms must never change a node or a line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "GridTestSupport.h"
#include "canvas/RecordingCanvas.h"
#include "isobar/GridPasses.h"
#include "isobar/IsobarDrawing.h"
#include "isobar/NeighbourField.h"
#include "model/PlotKinds.h"

namespace isobra {
namespace {

constexpr int kMax = 25;

bool Interior(int v) { return 0 < v && v < kMax; }
int Round(double v) { return static_cast<int>(std::nearbyint(v)); }

// The nearest node with a value, stepping j = 1..reach from (ix, iy) by
// (dx, dy) while every moving coordinate stays interior; 0 if none.
int ReferenceProbe(const PressureGrid& G, int ix, int iy, int dx, int dy, int reach) {
    for (int j = 1; j <= reach; ++j) {
        const int x = ix + j * dx, y = iy + j * dy;
        if ((dx != 0 && !Interior(x)) || (dy != 0 && !Interior(y))) return 0;
        if (G.at(x, y) != 0) return j;
    }
    return 0;
}

Neighbours ReferenceFindNeighbours(const PressureGrid& G, int ix, int iy) {
    Neighbours d;
    d.d6 = ReferenceProbe(G, ix, iy, 1, 0, 5);
    d.d2 = ReferenceProbe(G, ix, iy, 0, 1, 5);
    d.d4 = ReferenceProbe(G, ix, iy, -1, 0, 5);
    d.d8 = ReferenceProbe(G, ix, iy, 0, -1, 5);
    d.d3 = ReferenceProbe(G, ix, iy, 1, 1, 3);
    d.d9 = ReferenceProbe(G, ix, iy, 1, -1, 3);
    d.d7 = ReferenceProbe(G, ix, iy, -1, -1, 3);
    d.d1 = ReferenceProbe(G, ix, iy, -1, 1, 3);
    return d;
}

void ReferenceInterpolatePass(PressureField& s) {
    PressureGrid& G = s.pressureGrid;
    WorkGrid& W = s.workGrid;
    for (int iy = 0; iy <= kMax; ++iy) {
        for (int ix = 0; ix <= kMax; ++ix) {
            if (G.at(ix, iy) != 0) {
                W.at(ix, iy) = G.at(ix, iy);
                continue;
            }
            const Neighbours d = ReferenceFindNeighbours(G, ix, iy);
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

void ReferenceExtrapolateNode(PressureField& s, int x, int y) {
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

int ReferenceExtrapolateSpiral(PressureField& s) {
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

void ReferenceSmoothPass(PressureField& s) {
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

// The 31 ring directions: a single-precision step added up in single
// precision while the angle stays at or below 6.283184 less one step.
std::vector<float> ReferenceAngles() {
    std::vector<float> out;
    const float step = 3.141592f / 16;
    for (float theta = 0; theta <= 6.283184f - step; theta += step) out.push_back(theta);
    return out;
}

// Rings 1..rings around every high, low and typhoon among the fishery slots:
// the cell corner floor(v / 16 + 1) when filling (only empty nodes), the
// nearest node floor(v / 16 + 0.5) when smoothing (every ring node).
void ReferenceCentreRings(PressureField& s, int rings, bool smoothing) {
    const PlotTable& t = s.plotTable;
    PressureGrid& G = s.pressureGrid;
    WorkGrid& W = s.workGrid;
    const std::vector<float> angles = ReferenceAngles();
    for (int k = t.stationCount + t.shipCount + 1; k <= t.lastPlotIndex; ++k) {
        if (!IsCentreKind(t.slot(k).kind)) continue;
        const double shift = smoothing ? 0.5 : 1.0;
        const int cx = static_cast<int>(std::floor(t.slot(k).x / 16.0 + shift));
        const int cy = static_cast<int>(std::floor(t.slot(k).y / 16.0 + shift));
        for (int r = 1; r <= rings; ++r) {
            auto node = [&](float theta) {
                return std::pair{static_cast<int>(std::floor(r * std::cos(double(theta)) + cx)),
                                 static_cast<int>(std::floor(r * std::sin(double(theta)) + cy))};
            };
            double sum = 0;
            int count = 0;
            for (float theta : angles) {
                const auto [px, py] = node(theta);
                if (Interior(px) && Interior(py) && G.at(px, py) != 0) {
                    sum += G.at(px, py);
                    ++count;
                }
            }
            if (count == 0) continue;
            for (float theta : angles) {
                const auto [px, py] = node(theta);
                if (Interior(px) && Interior(py) && (smoothing || G.at(px, py) == 0)) W.at(px, py) = Round(sum / count);
            }
        }
    }
    for (int iy = 0; iy <= kMax; ++iy)
        for (int ix = 0; ix <= kMax; ++ix)
            if (G.at(ix, iy) == 0) G.at(ix, iy) = W.at(ix, iy);
}

struct Segment {
    int x1, y1, x2, y2;
    bool operator==(const Segment&) const = default;
};

// Cell by cell: corners as floats, levels from the truncating integer
// quotients, a corner on the level counting as above it, crossings in
// double, the saddle joining P1 to the nearer of P2 and P4.
std::vector<Segment> ReferenceTrace(const PressureGrid& G, float interval, float half) {
    std::vector<Segment> out;
    for (int iy = 1; iy <= kMax - 2; ++iy)
        for (int ix = 1; ix <= kMax - 2; ++ix) {
            const int corners[4] = {G.at(ix, iy), G.at(ix + 1, iy), G.at(ix + 1, iy + 1), G.at(ix, iy + 1)};
            if (std::any_of(corners, corners + 4, [](int v) { return v <= 80000 || v >= 120000; })) continue;
            const float a = corners[0], b = corners[1], c = corners[2], d = corners[3];
            if (a == b && b == c && c == d) continue;
            const float lo = std::min({a, b, c, d}), hi = std::max({a, b, c, d});
            const float eps = (hi - lo) / 1000;
            const int k1 = Round(lo + half) / Round(interval), k2 = Round(hi) / Round(interval);
            for (float L = interval * k1; L <= interval * k2; L += interval) {
                if (L < lo || L > hi) continue;
                float da = a - L, db = b - L, dc = c - L, dd = d - L;
                for (float* v : {&da, &db, &dc, &dd})
                    if (*v == 0) *v = eps;
                std::vector<std::pair<int, int>> p;
                if (db * da < 0) p.push_back({Round(ix * 16 - double(da) * 16 / (double(b) - a)), iy * 16});
                if (dc * db < 0) p.push_back({ix * 16 + 16, Round(iy * 16 - double(db) * 16 / (double(c) - b))});
                if (dd * dc < 0) p.push_back({Round(double(dd) * 16 / (double(d) - c) + ix * 16), iy * 16 + 16});
                if (dd * da < 0) p.push_back({ix * 16, Round(double(da) * 16 / (double(a) - d) + iy * 16)});
                auto join = [&](int i, int j) { out.push_back({p[i].first, p[i].second, p[j].first, p[j].second}); };
                auto squared = [&](int i, int j) {
                    const int dy = p[i].second - p[j].second, dx = p[i].first - p[j].first;
                    return float(dy * dy + dx * dx);
                };
                if (p.size() == 2) join(0, 1);
                if (p.size() == 4) {
                    if (squared(0, 1) < squared(0, 3)) {
                        join(2, 3);
                        join(0, 1);
                    } else {
                        join(0, 3);
                        join(1, 2);
                    }
                }
            }
        }
    return out;
}

class RandomGrids : public ::testing::Test {
protected:
    int Next(int range) {
        seed_ = seed_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<int>((seed_ >> 33) % static_cast<unsigned>(range));
    }
    // Grids from nearly empty to nearly full, with some negative values, some
    // left-overs in the work grid and a few centre marks.
    PressureField Make(int round) {
        PressureField s = test::EmptyPlotState();
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
        const PressureField s = Make(round);
        const NeighbourField field(s.pressureGrid, s.grid, 5);
        for (int iy = 0; iy <= kMax; ++iy)
            for (int ix = 0; ix <= kMax; ++ix) {
                const Neighbours probed = ReferenceFindNeighbours(s.pressureGrid, ix, iy);
                ASSERT_EQ(FindNeighbours(s.pressureGrid, s.grid, ix, iy, 5), probed) << ix << "," << iy;
                ASSERT_EQ(field.At(ix, iy), probed) << ix << "," << iy;
            }
    }
}

TEST_F(RandomGrids, PassesMatchTheirPlainForms) {
    for (int round = 0; round < 120; ++round) {
        const PressureField start = Make(round);
        PressureField fast = start, plain = start;
        InterpolatePass(fast);
        ReferenceInterpolatePass(plain);
        ASSERT_EQ(fast.pressureGrid, plain.pressureGrid) << "interpolation, round " << round;
        ASSERT_EQ(fast.workGrid, plain.workGrid) << "interpolation, round " << round;

        fast = plain = start;
        ASSERT_EQ(ExtrapolateSpiral(fast), ReferenceExtrapolateSpiral(plain) == 1);
        ASSERT_EQ(fast.pressureGrid, plain.pressureGrid) << "extrapolation, round " << round;

        fast = plain = start;
        SmoothPass(fast);
        ReferenceSmoothPass(plain);
        ASSERT_EQ(fast.pressureGrid, plain.pressureGrid) << "smoothing, round " << round;
    }
}

// Centres inside cells, on cell lines, at the map's edges and far beyond it
// (where the rings are worked out angle by angle rather than from a table).
TEST_F(RandomGrids, CentreRingPassesMatchTheirPlainForms) {
    const char* kinds[] = {"高気圧", "低気圧", "台風", "等圧線", "寒冷前線"};
    for (int round = 0; round < 200; ++round) {
        PressureField start = Make(round);
        PlotTable& t = start.plotTable;
        t.stationCount = Next(3);
        t.shipCount = Next(2);
        t.lastPlotIndex = t.stationCount + t.shipCount;
        for (int k = 0; k <= t.lastPlotIndex; ++k) t.slot(k) = PlotSlot{Next(400), Next(400), 100000, "高気圧"};
        for (int i = Next(6); i >= 0; --i) {
            auto coordinate = [&] {
                switch (Next(4)) {
                    case 0:
                        return 16 * Next(27) - (Next(2) == 0 ? 0 : 8);
                    case 1:
                        return Next(1600) - 600;
                    default:
                        return Next(420) - 10;
                }
            };
            const int x = coordinate(), y = coordinate();
            t.slot(++t.lastPlotIndex) = PlotSlot{x, y, 0, kinds[Next(5)]};
            ++t.fisheryCount;
        }
        for (const bool smoothing : {false, true}) {
            const int rings = 1 + Next(8);
            PressureField fast = start, plain = start;
            if (smoothing)
                SmoothCentreRings(fast, rings);
            else
                FillCentreRings(fast, rings);
            ReferenceCentreRings(plain, rings, smoothing);
            ASSERT_EQ(fast.pressureGrid, plain.pressureGrid)
                << (smoothing ? "smoothing" : "filling") << ", round " << round;
            ASSERT_EQ(fast.workGrid, plain.workGrid) << (smoothing ? "smoothing" : "filling") << ", round " << round;
        }
    }
}

// Whole and fractional intervals, corners on levels, implausible corners.
TEST_F(RandomGrids, TracingMatchesItsPlainForm) {
    const float intervals[][2] = {{200, 100}, {50, 25},    {70, 35},          {55, 27.5f},
                                  {150, 0},   {1000, 500}, {200.5f, 100.25f}, {100.4f, 50.2f}};
    for (int round = 0; round < 40; ++round) {
        PressureField s = Make(round);
        const int slopeX = Next(200) - 100, slopeY = Next(200) - 100;
        for (int iy = 0; iy <= kMax; ++iy)
            for (int ix = 0; ix <= kMax; ++ix) {
                const int pick = Next(40);
                int v = 100000 + slopeX * ix + slopeY * iy + 50 * Next(8) + (Next(4) == 0 ? Next(50) : 0);
                if (pick == 0) v = 0;
                if (pick == 1) v = Next(2) == 0 ? 80000 : 120000;
                s.pressureGrid.at(ix, iy) = v;
            }
        for (const auto& [interval, half] : intervals) {
            RecordingCanvas canvas;
            DrawIsobars(canvas, s, MakeColour(0, 0, 255), interval, half);
            std::vector<Segment> drawn;
            for (const auto& call : canvas.Of(RecordingCanvas::Op::Line))
                drawn.push_back({int(call.x1), int(call.y1), int(call.x2), int(call.y2)});
            ASSERT_EQ(drawn, ReferenceTrace(s.pressureGrid, interval, half))
                << "interval " << interval << ", round " << round;
        }
    }
}

}  // namespace
}  // namespace isobra
