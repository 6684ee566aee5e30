#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "canvas/PixelCanvas.h"
#include "canvas/Raster.h"
#include "canvas/RecordingCanvas.h"
#include "map/Fronts.h"
#include "state/AppState.h"
#include "support/RecordedPixels.h"

namespace isobra {
namespace {

using Op = RecordingCanvas::Op;
constexpr Colour kColour = MakeColour(200, 10, 10);

// Centres of the triangles of a cold front: every triangle is three lines,
// P1 to apex, apex to P2, P2 back to P1; the centre is the middle of P1-P2.
struct Triangle {
    double cx, cy, apexX, apexY;
};
std::vector<Triangle> Triangles(const RecordingCanvas& canvas, std::size_t firstCall) {
    std::vector<Triangle> out;
    for (std::size_t i = firstCall; i + 2 < canvas.calls.size(); i += 3) {
        const auto& toApex = canvas.calls[i];
        const auto& back = canvas.calls[i + 2];
        EXPECT_EQ(back.x2, toApex.x1);  // closed
        EXPECT_EQ(back.y2, toApex.y1);
        out.push_back({(back.x1 + back.x2) / 2.0, (back.y1 + back.y2) / 2.0, toApex.x2, toApex.y2});
    }
    return out;
}

TEST(FrontSegments, WarmSemicirclesOfTheWorkedExample) {
    RecordingCanvas canvas;
    DrawWarmFrontSegment(canvas, 100, 200, 196, 200, 4, 24, kColour);
    ASSERT_EQ(canvas.calls.size(), 5u);
    EXPECT_EQ(canvas.calls[0].op, Op::Line);
    EXPECT_EQ(canvas.calls[0].colour, kColour);
    const float centres[] = {118, 142, 166, 190};
    for (int i = 0; i < 4; ++i) {
        const auto& arc = canvas.calls[1 + i];
        EXPECT_EQ(arc.op, Op::Arc);
        EXPECT_EQ(arc.x1, centres[i]);
        EXPECT_EQ(arc.y1, 200);
        EXPECT_EQ(arc.x2, 4);  // radius
        // Upper half on screen: the left of the eastward direction.
        EXPECT_FLOAT_EQ(arc.start, 0);
        EXPECT_FLOAT_EQ(arc.end, 3.141592f);
        EXPECT_EQ(arc.colour, kColour);
    }
}

TEST(FrontSegments, ColdTrianglesOfTheWorkedExample) {
    RecordingCanvas bare;
    DrawColdFrontSegment(bare, 100, 200, 196, 200, 4, 24, kColour);
    EXPECT_EQ(bare.calls.size(), 1u);  // horizontal: the line alone

    RecordingCanvas canvas;
    DrawColdFrontSegment(canvas, 100, 200, 196, 201, 4, 24, kColour);
    const auto triangles = Triangles(canvas, 1);
    ASSERT_EQ(canvas.calls.size(), 1u + 3 * 4);
    const double centres[] = {106, 130, 154, 178};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(triangles[i].cx, centres[i], 1e-3);
        EXPECT_NEAR(triangles[i].cy, 200 + (centres[i] - 100) / 96, 1e-3);  // on the line
        // Apex 5 pixels to the right of the eastward direction: below the line.
        EXPECT_NEAR(triangles[i].apexY - triangles[i].cy, 5, 0.01);
        EXPECT_NEAR(triangles[i].apexX - triangles[i].cx, 0, 0.06);
    }
}

TEST(FrontSegments, SidesFollowTheLineOnASlope) {
    // Running down to the right at 45 degrees: left of the eastward direction
    // is up and to the right on the screen, right is down and to the left.
    RecordingCanvas warm;
    DrawWarmFrontSegment(warm, 100, 100, 200, 200, 4, 24, kColour);
    ASSERT_GT(warm.calls.size(), 1u);
    const double a = std::atan(1.0);
    EXPECT_FLOAT_EQ(warm.calls[1].start, static_cast<float>(-a));
    EXPECT_FLOAT_EQ(warm.calls[1].end, static_cast<float>(3.141592 - a));

    RecordingCanvas cold;
    DrawColdFrontSegment(cold, 100, 100, 200, 200, 4, 24, kColour);
    for (const Triangle& t : Triangles(cold, 1)) {
        EXPECT_LT(t.apexX, t.cx);
        EXPECT_GT(t.apexY, t.cy);
    }
}

TEST(FrontSegments, SteepAndMissingSegments) {
    // Vertical, and so steep that the step of the symbols rounds to 0: the
    // line alone, and the drawing ends.
    for (auto draw : {DrawWarmFrontSegment, DrawColdFrontSegment}) {
        for (int dx : {0, 1, 2, 4}) {
            RecordingCanvas canvas;
            draw(canvas, 100, 100, 100 + dx, 300, 4, 24, kColour);
            EXPECT_EQ(canvas.calls.size(), 1u) << dx;
        }
        RecordingCanvas noSpacing;
        draw(noSpacing, 100, 100, 200, 150, 4, 0, kColour);
        EXPECT_EQ(noSpacing.calls.size(), 1u);
        // An end without a position: nothing at all.
        RecordingCanvas missing;
        draw(missing, 0, 0, 150, 150, 4, 24, kColour);
        draw(missing, 100, 100, 150, -3, 4, 24, kColour);
        EXPECT_TRUE(missing.calls.empty());
    }
    RecordingCanvas occluded;
    DrawOccludedFrontSegment(occluded, 100, 100, 0, 150, kColour);
    EXPECT_TRUE(occluded.calls.empty());
    DrawOccludedFrontSegment(occluded, 100, 100, 120, 150, kColour);
    ASSERT_EQ(occluded.calls.size(), 1u);
    EXPECT_EQ(occluded.calls[0].x2, 120);
}

struct Point {
    std::string kind;
    int x, y;
};

// The plot table after an isobar construction with 54 stations and one ship,
// the fishery items following from slot 56.
AppState WithFishery(const std::vector<Point>& items) {
    AppState state;
    PlotTable& plot = state.field.plotTable;
    plot.stationCount = 54;
    plot.shipCount = 1;
    plot.fisheryCount = static_cast<int>(items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        PlotSlot& slot = plot.slot(56 + static_cast<int>(i));
        slot.kind = items[i].kind;
        slot.x = items[i].x;
        slot.y = items[i].y;
    }
    plot.lastPlotIndex = 55 + plot.fisheryCount;
    state.observations.SetShipCount(1);
    state.colours.SetColour(kWarmFrontColour, MakeColour(1, 0, 0));
    state.colours.SetColour(kColdFrontColour, MakeColour(2, 0, 0));
    state.colours.SetColour(kStationaryFrontColour, MakeColour(3, 0, 0));
    state.colours.SetColour(kOccludedFrontColour, MakeColour(4, 0, 0));
    return state;
}

TEST(FrontSegments, EntryOrderDoesNotMatter) {
    // Slopes of 1/2, 2, -1/3 and a vertical: the line rule rounds their
    // half-way pixels by the direction of travel.
    const int segments[][4] = {{120, 80, 300, 170}, {100, 100, 140, 180}, {50, 200, 290, 120}, {200, 50, 200, 93}};
    using Draw = std::function<void(RecordingCanvas&, int, int, int, int)>;
    const Draw draws[] = {
        [](RecordingCanvas& c, int x1, int y1, int x2, int y2) {
            DrawWarmFrontSegment(c, x1, y1, x2, y2, 4, 24, kColour);
        },
        [](RecordingCanvas& c, int x1, int y1, int x2, int y2) {
            DrawColdFrontSegment(c, x1, y1, x2, y2, 4, 24, kColour);
        },
        [](RecordingCanvas& c, int x1, int y1, int x2, int y2) {
            DrawOccludedFrontSegment(c, x1, y1, x2, y2, kColour);
        },
    };
    for (const auto& s : segments) {
        for (std::size_t d = 0; d < std::size(draws); ++d) {
            RecordingCanvas forward, backward;
            draws[d](forward, s[0], s[1], s[2], s[3]);
            draws[d](backward, s[2], s[3], s[0], s[1]);
            ASSERT_FALSE(forward.calls.empty());
            EXPECT_EQ(test::PixelsOf(forward.calls), test::PixelsOf(backward.calls))
                << "kind " << d << " from " << s[0] << "," << s[1];
        }
    }
    // The whole command, the entries of each front kind in both orders.
    for (const char* kind : {"温暖前線", "寒冷前線", "停滞前線", "閉塞前線"}) {
        const AppState east = WithFishery({{kind, 120, 80}, {kind, 300, 170}});
        const AppState west = WithFishery({{kind, 300, 170}, {kind, 120, 80}});
        RecordingCanvas forward, backward;
        DrawFronts(forward, east.field.plotTable, east.colours);
        DrawFronts(backward, west.field.plotTable, west.colours);
        EXPECT_EQ(test::PixelsOf(forward.calls), test::PixelsOf(backward.calls)) << kind;
    }
}

TEST(Fronts, RunsOfOneKindAreJoined) {
    // Horizontal cold fronts are bare, so each segment is one line.
    AppState state = WithFishery({{"寒冷前線", 100, 200},
                                  {"寒冷前線", 150, 200},
                                  {"寒冷前線", 200, 200},
                                  {"低気圧", 220, 200},
                                  {"寒冷前線", 250, 200},
                                  {"閉塞前線", 260, 210},
                                  {"閉塞前線", 270, 230}});
    RecordingCanvas canvas;
    DrawFronts(canvas, state.field.plotTable, state.colours);
    ASSERT_EQ(canvas.calls.size(), 3u);
    EXPECT_EQ(canvas.calls[0].x1, 100);
    EXPECT_EQ(canvas.calls[0].x2, 150);
    EXPECT_EQ(canvas.calls[1].x1, 150);
    EXPECT_EQ(canvas.calls[1].x2, 200);
    EXPECT_EQ(canvas.calls[0].colour, MakeColour(2, 0, 0));
    EXPECT_EQ(canvas.calls[2].x1, 260);
    EXPECT_EQ(canvas.calls[2].colour, MakeColour(4, 0, 0));
}

TEST(Fronts, AnotherKindBetweenBreaksTheRun) {
    AppState state = WithFishery({{"寒冷前線", 100, 200},
                                  {"温暖前線", 150, 200},
                                  {"寒冷前線", 200, 200},
                                  {"温暖前線", 220, 250},
                                  {"そこから", 0, 0},
                                  {"温暖前線", 240, 260}});
    RecordingCanvas canvas;
    DrawFronts(canvas, state.field.plotTable, state.colours);
    EXPECT_TRUE(canvas.calls.empty());
}

TEST(Fronts, StationaryFrontAlternatesSymbolsOnOppositeSides) {
    AppState state = WithFishery({{"停滞前線", 100, 200}, {"停滞前線", 196, 201}});
    RecordingCanvas canvas;
    DrawFronts(canvas, state.field.plotTable, state.colours);
    for (const auto& c : canvas.calls) EXPECT_EQ(c.colour, MakeColour(3, 0, 0));
    // Semicircles every 32 from 124, triangles every 32 from 108.
    const auto arcs = canvas.Of(Op::Arc);
    ASSERT_EQ(arcs.size(), 3u);
    EXPECT_EQ(arcs[0].x1, 124);
    EXPECT_EQ(arcs[1].x1, 156);
    EXPECT_EQ(arcs[2].x1, 188);
    ASSERT_EQ(canvas.calls[0].op, Op::Line);
    ASSERT_EQ(canvas.calls[4].op, Op::Line);  // the line again, then the triangles
    const auto triangles = Triangles(canvas, 5);
    ASSERT_EQ(triangles.size(), 3u);
    EXPECT_NEAR(triangles[0].cx, 108, 1e-3);
    EXPECT_NEAR(triangles[1].cx, 140, 1e-3);
    EXPECT_NEAR(triangles[2].cx, 172, 1e-3);
    for (const Triangle& t : triangles) EXPECT_GT(t.apexY, t.cy);  // below; the semicircles are above
}

TEST(Fronts, ReadTheTableWithTheCountsItWasBuiltWith) {
    AppState state =
        WithFishery({{"温暖前線", 100, 200}, {"温暖前線", 196, 200}, {"温暖前線", 0, 0}, {"温暖前線", 150, 150}});
    state.observations.SetShipCount(4);  // ships typed in since: the table is not shifted
    state.observations.SetFisheryCount(0);
    RecordingCanvas canvas;
    DrawFronts(canvas, state.field.plotTable, state.colours);
    // One segment with four semicircles; both segments touching (0, 0) are skipped.
    ASSERT_EQ(canvas.calls.size(), 5u);
    EXPECT_EQ(canvas.calls[0].x1, 100);
    EXPECT_EQ(canvas.calls[1].x1, 118);

    AppState never;  // no isobar construction yet
    RecordingCanvas none;
    DrawFronts(none, never.field.plotTable, never.colours);
    EXPECT_TRUE(none.calls.empty());

    state.field.plotTable.lastPlotIndex = 5000;
    for (int ships : {-300, 2147483647}) {
        state.field.plotTable.shipCount = ships;
        EXPECT_NO_THROW(DrawFronts(none, state.field.plotTable, state.colours));
    }
}

// The same canvas claiming the whole plane, so that no symbol is left out.
class UnboundedPixelCanvas : public PixelCanvas {
public:
    CanvasArea Area() const override { return MapCanvas::Area(); }
};

TEST(Fronts, SymbolsFarOffTheCanvasAreLeftOutWithoutChangingAPixel) {
    struct Segment {
        const char* what;
        int x1, y1, x2, y2;
    };
    // Front points far beyond the map (as an isobar file may hold them),
    // reaching it from every side, and segments that pass it by.
    const Segment segments[] = {
        {"from the map to the far south-east", 200, 200, 99999, 99999},
        {"from far east to the map", 99999, 300, 150, 250},
        {"from the far north-west corner through the map", 1, 1, 99999, 50000},
        {"shallow, from the far west", 1, 180, 99999, 260},
        {"steep, into the far south", 210, 1, 260, 99999},
        {"passing below the map", 1, 900, 99999, 1100},
        {"level along the top row", 3, 1, 99999, 1},
        {"level, just below the map", 3, 403, 99999, 403},
        {"level, far below the map", 3, 9000, 99999, 9000},
        {"inside the map", 60, 300, 340, 120},
    };
    for (const Segment& s : segments) {
        for (const auto& draw : {DrawWarmFrontSegment, DrawColdFrontSegment}) {
            PixelCanvas bounded;
            UnboundedPixelCanvas everything;
            draw(bounded, s.x1, s.y1, s.x2, s.y2, 4, 24, kColour);
            draw(everything, s.x1, s.y1, s.x2, s.y2, 4, 24, kColour);
            EXPECT_EQ(bounded.pixels(), everything.pixels()) << s.what;
        }
    }
    // Leaving them out is what makes such a front cheap: only symbols near
    // the map reach the canvas.
    RecordingCanvas all;
    DrawWarmFrontSegment(all, 200, 200, 99999, 99999, 4, 24, kColour);
    EXPECT_GT(all.calls.size(), 5000u);
    class CountingPixels : public PixelCanvas {
    public:
        int arcs = 0;

    protected:
        void DoArc(float cx, float cy, float r, Colour c, float a, float b) override {
            ++arcs;
            PixelCanvas::DoArc(cx, cy, r, c, a, b);
        }
    } counted;
    DrawWarmFrontSegment(counted, 200, 200, 9999999, 9999999, 4, 24, kColour);
    EXPECT_LT(counted.arcs, 20);
}

}  // namespace
}  // namespace isobra
