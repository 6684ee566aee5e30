#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "GridTestSupport.h"
#include "IsobarMaps.h"
#include "LabelAudit.h"
#include "canvas/MapCanvas.h"
#include "canvas/Raster.h"
#include "isobar/CentreLetters.h"
#include "isobar/IsobarFile.h"
#include "isobar/LabelObstacles.h"
#include "isobar/LabelledIsobars.h"
#include "map/CoastlineTable.h"
#include "map/Fronts.h"
#include "map/SymbolSites.h"
#include "map/WeatherSymbols.h"
#include "map/WindSymbols.h"
#include "model/FileAccess.h"
#include "state/IsobarFileLoad.h"
#include "support/RecordedPixels.h"

namespace isobra {
namespace {

using Op = RecordingCanvas::Op;
using Pixels = std::set<std::pair<int, int>>;

const LabelStyle kStyle;

IsobarLayout LayOut(const AppState& state, float interval = 200) {
    return LayOutIsobars(state.field.pressureGrid, state.field.grid, interval, interval / 2, state.observations,
                         state.field.plotTable, state.coastline, kStyle);
}

RecordingCanvas Draw(const AppState& state, const IsobarLayout& layout) {
    RecordingCanvas canvas;
    DrawLabelledIsobars(canvas, layout, state.field.plotTable, state.field.grid.pressureScale, MakeColour(0, 0, 255));
    return canvas;
}

TEST(LabelledIsobars, FiftyReportsTheExampleAndRandomFieldsKeepEveryPromise) {
    const AppState winter = test::WinterMap();
    test::AuditLabels(winter, 2, "winter");
    test::AuditLabels(winter, 1, "winter");
    for (const std::uint32_t seed : {3u, 7u, 12u}) {
        AppState state = winter;  // the winter symbols, letters and fronts over a random field
        test::FillRandomField(state.field, seed, 9, 0);
        test::AuditLabels(state, 2, "field " + std::to_string(seed));
    }
    AppState dense = winter;
    test::FillRandomField(dense.field, 12, 9, 0);
    test::AuditLabels(dense, 0.5, "dense field");
    test::LabelTally all;
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        const AppState report = test::RandomReport(seed);
        for (const double hpa : {2.0, 1.0}) {
            const test::LabelTally t = test::AuditLabels(report, hpa, "report " + std::to_string(seed));
            all.values += t.values;
            all.pressures += t.pressures;
            all.centres += t.centres;
            all.wantedLines += t.wantedLines;
            all.linesWithoutPlace += t.linesWithoutPlace;
        }
    }
    // Nearly every centre has its pressure written.
    EXPECT_GE(all.pressures * 10, all.centres * 9) << all.pressures << " of " << all.centres;
    std::cout << "50 reports at 2 and 1 hPa: " << all.values << " values, " << all.pressures << " of " << all.centres
              << " central pressures, " << all.linesWithoutPlace << " of " << all.wantedLines
              << " lines without a free place\n";
}

TEST(LabelledIsobars, LabelsOfTheExampleSpread) {
    const IsobarLayout layout = LayOut(test::WinterMap());
    EXPECT_GE(layout.labels.size(), 20u);
    // Spread, not stacked: no label has more than six others within 48
    // pixels (corner to corner), and half of them have no other box within
    // 8 pixels.
    int lonely = 0;
    for (const IsobarLabel& a : layout.labels) {
        int near = 0, nearest = kMapSize;
        for (const IsobarLabel& b : layout.labels) {
            if (&a == &b) continue;
            near += std::hypot(a.box.x1 - b.box.x1, a.box.y1 - b.box.y1) < 48;
            const int gap =
                std::max({b.box.x1 - a.box.x2, a.box.x1 - b.box.x2, b.box.y1 - a.box.y2, a.box.y1 - b.box.y2});
            nearest = std::min(nearest, gap - 1);
        }
        EXPECT_LE(near, 6) << a.text;
        lonely += nearest >= 8;
    }
    EXPECT_GE(2 * lonely, static_cast<int>(layout.labels.size()));
}

// A round high at node (12, 12): rings at every level, with a high's
// letter (and its central pressure) on the centre.
AppState RoundHigh(int pressureHpa) {
    AppState state;
    state.field = test::EmptyPlotState();
    for (int iy = 0; iy <= 25; ++iy)
        for (int ix = 0; ix <= 25; ++ix) {
            const double d = std::hypot(ix - 12.3, iy - 12.1);
            state.field.pressureGrid.at(ix, iy) = static_cast<int>(103000 - 10 * d * d);
        }
    test::AddItem(state.field, "高気圧", 197, 194, pressureHpa * 100);
    return state;
}

TEST(LabelledIsobars, ClosedIsobarsAroundACentreAreLabelled) {
    const AppState state = RoundHigh(1030);
    const IsobarLayout layout = LayOut(state);
    std::set<int> rings, labelled;
    for (std::size_t i = 0; i < layout.lines.size(); ++i)
        if (layout.lines[i].closed) rings.insert(static_cast<int>(i));
    for (const IsobarLabel& label : layout.labels) labelled.insert(label.line);
    EXPECT_GE(rings.size(), 3u);
    EXPECT_TRUE(std::includes(labelled.begin(), labelled.end(), rings.begin(), rings.end()));
    test::AuditLabels(state, 2, "round high");
}

// A low with its central pressure where the places round its letter are
// taken one way or another.
TEST(LabelledIsobars, CentralPressureTakesTheFirstFreePlaceRoundItsLetter) {
    enum class Near { Nothing, Symbol, Wind, Isobar, IsobarsEverywhere };
    struct Case {
        const char* what;
        Near near;
        int x, y, pressure;  // the low; pressure in grid units
        const char* text;    // "" for none
        int textX, textY;
    };
    // The letter is 12 x 12; "1004" is 24 x 10 in small digits. Under it
    // the text starts at (94, 312), right of it at (114, 301).
    const Case cases[] = {
        {"nothing near", Near::Nothing, 100, 300, 100400, "1004", 94, 312},
        {"half a hPa", Near::Nothing, 100, 300, 98450, "984.5", 91, 312},
        {"a symbol under the letter", Near::Symbol, 100, 300, 100400, "1004", 114, 301},
        {"a wind arrow under the letter", Near::Wind, 100, 300, 100400, "1004", 114, 301},
        {"an isobar under the letter", Near::Isobar, 100, 300, 100400, "1004", 114, 301},
        {"the edge under and right of it", Near::Nothing, 388, 73, 98900, "989", 368, 74},
        {"isobars all round: drawn round the text", Near::IsobarsEverywhere, 100, 300, 100400, "1004", 94, 312},
        {"no pressure reported", Near::Nothing, 100, 300, 0, "", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AppState state;
        state.observations = ObservationSet{};
        state.field = test::EmptyPlotState();
        test::FillGrids(state.field, 101200);
        test::AddItem(state.field, "低気圧", c.x, c.y, c.pressure);
        if (c.near == Near::Symbol || c.near == Near::Wind) {
            // A symbol whose circle covers the place under the letter, or
            // one to the left whose arrow runs east under it.
            state.observations.SetStationCount(1);
            state.observations.stationPosition(0) =
                c.near == Near::Symbol ? CanvasPoint{106, 322} : CanvasPoint{70, 318};
            state.observations.land(0) = {12, c.near == Near::Wind ? 8 : 0, 2, 1004, 0};
        }
        if (c.near == Near::Isobar || c.near == Near::IsobarsEverywhere)
            for (int iy = 0; iy <= 25; ++iy)
                for (int ix = 0; ix <= 25; ++ix)
                    state.field.pressureGrid.at(ix, iy) =
                        c.near == Near::Isobar ? 99962 + 50 * (iy - 19) : 100037 + 300 * (iy - 19);
        const IsobarLayout layout = LayOut(state);
        const RecordingCanvas canvas = Draw(state, layout);
        if (c.text[0] == 0) {
            EXPECT_TRUE(layout.centralPressures.empty());
            continue;
        }
        ASSERT_EQ(layout.centralPressures.size(), 1u);
        const RecordingCanvas::Call last = canvas.Of(Op::Text).back();
        EXPECT_EQ(last.text, c.text);
        EXPECT_EQ(last.size, TextSize::Small);
        EXPECT_EQ(PixelOf(last.x1), c.textX);
        EXPECT_EQ(PixelOf(last.y1), c.textY);
        const PixelBox room = TextBox({c.textX, c.textY}, c.text, kStyle.small).Grown(1);
        for (const auto& [x, y] : test::PixelsOf(canvas.calls)) EXPECT_FALSE(room.Contains(x, y)) << x << "," << y;
        // The same input, the same drawing.
        EXPECT_EQ(Draw(state, LayOut(state)).calls, canvas.calls);
    }
}

// Three lines a few pixels apart across the map, and one far below them:
// only the far one has room for a value that no other line passes.
TEST(LabelledIsobars, ALineWhosePlacesAllCrossAnotherLevelGoesBare) {
    AppState state;
    state.field = test::EmptyPlotState();
    for (int iy = 0; iy <= 25; ++iy)
        for (int ix = 0; ix <= 25; ++ix)
            state.field.pressureGrid.at(ix, iy) = iy <= 12 ? 99900 : iy <= 20 ? 100500 : 100700;
    const IsobarLayout layout = LayOut(state);
    ASSERT_EQ(layout.lines.size(), 4u);
    ASSERT_FALSE(layout.labels.empty());
    for (const IsobarLabel& label : layout.labels) EXPECT_EQ(label.text, "1006");
}

TEST(LabelledIsobars, TheLabelledDrawingPrintsLettersThenPressuresAndNoneAfterAnIsobarFile) {
    AppState state = RoundHigh(1030);
    const RecordingCanvas canvas = Draw(state, LayOut(state));
    const std::vector<RecordingCanvas::Call> texts = canvas.Of(Op::Text);
    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[texts.size() - 2].text, "高");
    EXPECT_EQ(texts[texts.size() - 2].size, TextSize::Canvas);
    EXPECT_EQ(texts.back().text, "1030");
    EXPECT_EQ(texts.back().size, TextSize::Small);

    // An isobar file keeps positions and kinds but no pressures.
    const Result<std::string> file = WriteIsobarFile(state.field);
    ASSERT_TRUE(file.ok());
    const Result<IsobarFileData> data =
        ParseIsobarFile(file.value(), state.field.grid, state.observations.stationCount());
    ASSERT_TRUE(data) << data.message();
    state.field.plotTable.slot(1).pressure = 103000;
    ASSERT_TRUE(ApplyIsobarFile(*data, state.observations.stationCount(), state.field));
    const RecordingCanvas loaded = Draw(state, LayOut(state));
    EXPECT_EQ(loaded.Of(Op::Text).back().text, "高");
}

TEST(LabelledIsobars, ThickLinesExactlyEvery20Hpa) {
    // Straight isobars half-way between node rows (or columns): 100000 +
    // 200 k at 16 k + 8. Multiples of 20 hPa get a second pixel below a
    // level line and right of an upright one; 1002, 1010, 1018 ... do not.
    for (const bool upright : {false, true}) {
        SCOPED_TRACE(upright ? "upright" : "level");
        AppState state;
        state.field = test::EmptyPlotState();
        for (int iy = 0; iy <= 25; ++iy)
            for (int ix = 0; ix <= 25; ++ix) state.field.pressureGrid.at(ix, iy) = 99900 + 200 * (upright ? ix : iy);
        const IsobarLayout layout = LayOut(state);
        const RecordingCanvas canvas = Draw(state, layout);
        const Pixels lit = test::PixelsOf(canvas.calls);
        auto labelled = [&](int x, int y) {
            for (const IsobarLabel& l : layout.labels)
                if (l.box.Grown(1).Contains(x, y)) return true;
            return false;
        };
        for (int k = 1; k <= 23; ++k) {
            const int level = 100000 + 200 * k;
            const bool thick = level % 2000 == 0;
            EXPECT_EQ(IsThickLevel(level, 100), thick) << level;
            int twins = 0, along = 0;
            for (int t = 16; t <= 384; ++t) {
                const int x = upright ? 16 * k + 8 : t, y = upright ? t : 16 * k + 8;
                if (labelled(x, y)) continue;
                ++along;
                EXPECT_TRUE(lit.count({x, y})) << level << " at " << x << "," << y;
                twins += lit.count(upright ? std::pair{x + 1, y} : std::pair{x, y + 1}) > 0;
            }
            EXPECT_GT(along, 300);
            EXPECT_EQ(twins, thick ? along : 0) << level;
        }
    }
    EXPECT_TRUE(IsThickLevel(98000, 100));
    EXPECT_FALSE(IsThickLevel(101000, 100));
    EXPECT_FALSE(IsThickLevel(100050, 100));
}

TEST(LabelledIsobars, PressureTextsInTheirShortestForm) {
    const std::pair<int, const char*> cases[] = {
        {103600, "1036"}, {100850, "1008.5"}, {100825, "1008.25"}, {99000, "990"}, {100001, "1000.01"},
    };
    for (const auto& [units, text] : cases) EXPECT_EQ(PressureText(units, 100), text);
    EXPECT_EQ(PressureText(10125, 10), "1012.5");
    EXPECT_EQ(PressureText(-150, 100), "-1.5");
    EXPECT_EQ(PressureText(2025, 2), "1012.5");
}

TEST(LinePiecesOutside, PiecesLightExactlyTheLinesPixelsOutsideTheBoxes) {
    auto pixels = [](LinePoint a, LinePoint b) {
        Pixels out;
        RasterLine(a.x, a.y, b.x, b.y, 1000, 1000, [&](int x, int y) { out.insert({x, y}); });
        return out;
    };
    const std::vector<PixelBox> boxes = {{40, 40, 62, 51}, {70, 10, 80, 90}};
    // Whole when it misses, nothing when inside, and across a box in two.
    EXPECT_EQ(LinePiecesOutside({0, 0}, {30, 5}, boxes), (std::vector<LinePiece>{{{0, 0}, {30, 5}}}));
    EXPECT_TRUE(LinePiecesOutside({42, 42}, {60, 50}, boxes).empty());
    EXPECT_EQ(LinePiecesOutside({30, 45}, {66, 45}, boxes),
              (std::vector<LinePiece>{{{30, 45}, {39, 45}}, {{63, 45}, {66, 45}}}));
    // Slanting lines through both boxes, every direction.
    for (int k = 0; k < 64; ++k) {
        const LinePoint from{10 + (k * 7) % 40, 20 + (k * 13) % 50};
        const LinePoint to{95 - (k * 11) % 30, 90 - (k * 5) % 80};
        for (const auto& [a, b] : {std::pair{from, to}, std::pair{to, from}}) {
            Pixels expected;
            for (const auto& p : pixels(a, b)) {
                bool inside = false;
                for (const PixelBox& box : boxes) inside |= box.Contains(p.first, p.second);
                if (!inside) expected.insert(p);
            }
            Pixels drawn;
            std::size_t count = 0;
            for (const LinePiece& piece : LinePiecesOutside(a, b, boxes)) {
                const Pixels part = pixels(piece.from, piece.to);
                count += part.size();
                drawn.insert(part.begin(), part.end());
            }
            EXPECT_EQ(drawn, expected) << a.x << "," << a.y << " to " << b.x << "," << b.y;
            EXPECT_EQ(count, expected.size());  // no pixel twice
        }
    }
}

TEST(LabelObstacles, TheBoxesCoverEveryPixelTheOtherLayersDraw) {
    const AppState winter = test::WinterMap();
    RecordingCanvas canvas;
    DrawCoastline(canvas, winter.coastline, winter.colours.ColorOf(kMapColour));
    DrawWeatherSymbols(canvas, winter.observations, winter.field.plotTable,
                       winter.colours.ColorOf(kWeatherSymbolColour));
    DrawWindSymbols(canvas, winter.observations, winter.field.plotTable, winter.colours.ColorOf(kWindSymbolColour));
    DrawFronts(canvas, winter.field.plotTable, winter.colours);
    ASSERT_GT(canvas.calls.size(), 300u);
    const Pixels drawn = test::PixelsOf(canvas.calls);
    const ReservedBoxes boxes = LabelObstacles(winter.observations, winter.field.plotTable, winter.coastline, kStyle);
    std::vector<PixelBox> reserved = boxes.figures;
    reserved.insert(reserved.end(), boxes.map.begin(), boxes.map.end());
    for (const auto& [x, y] : drawn) {
        bool covered = false;
        for (const PixelBox& b : reserved) covered |= b.Contains(x, y);
        EXPECT_TRUE(covered) << x << "," << y;
    }
    // Long lines are covered by small boxes, not by the square they span.
    for (const PixelBox& b : BoxesOfCalls(canvas.calls, kStyle))
        EXPECT_LE((b.x2 - b.x1 + 1) * (b.y2 - b.y1 + 1), 15 * 15);
}

TEST(LabelObstacles, TextsTakeTheBoxOfTheirFont) {
    RecordingCanvas canvas;
    canvas.DrawTextAt(10, 20, "1036", TextSize::Small);
    canvas.DrawTextAt(100, 120, "高");
    EXPECT_EQ(BoxesOfCalls(canvas.calls, kStyle), (std::vector<PixelBox>{{10, 20, 33, 29}, {100, 120, 111, 131}}));
}

TEST(LabelObstacles, LinesFarOffTheMapGiveOnlyTheirBoxesNearIt) {
    const CanvasArea keep{-100, -100, 500, 500};
    auto overlaps = [&](const PixelBox& b) {
        return b.x2 >= keep.left && b.x1 <= keep.right && b.y2 >= keep.top && b.y1 <= keep.bottom;
    };
    const float lines[][4] = {{200, 200, 99999, 99999},
                              {-99999, 300, 99999, 50},
                              {450, -99999, 470, 99999},
                              {-99999, -99999, -500, 99999},
                              {10, 20, 380, 390}};
    for (const auto& l : lines) {
        RecordingCanvas canvas;
        canvas.DrawLine(l[0], l[1], l[2], l[3], 0);
        const std::vector<PixelBox> all = BoxesOfCalls(canvas.calls, kStyle);
        const std::vector<PixelBox> near = BoxesOfCalls(canvas.calls, kStyle, keep);
        std::vector<PixelBox> expected;
        for (const PixelBox& b : all)
            if (overlaps(b)) expected.push_back(b);
        // The boxes near the map, each as cutting up the whole line gives it,
        // and at most a piece more at either end.
        for (const PixelBox& b : expected) EXPECT_NE(std::find(near.begin(), near.end(), b), near.end()) << l[0];
        for (const PixelBox& b : near) EXPECT_NE(std::find(all.begin(), all.end(), b), all.end()) << l[0];
        EXPECT_LE(near.size(), expected.size() + 2) << l[0];
    }
}

TEST(LabelObstacles, FrontsAsFarAsAFileHoldsCostWhatTheirPartOnTheMapCosts) {
    // Found by fuzzing: 46 front points at 1 and 9999999 px once asked the
    // labelled drawing for gigabytes of obstacle boxes.
    AppState state;
    const Status loaded = LoadIsobarFile(std::string(ISOBRA_TEST_DATA) + "/far-fronts.cnt", 54, state);
    ASSERT_TRUE(loaded) << loaded.message();
    const ReservedBoxes boxes = LabelObstacles(state.observations, state.field.plotTable, state.coastline, kStyle);
    EXPECT_LT(boxes.figures.size() + boxes.map.size(), 20000u);
}

}  // namespace
}  // namespace isobra
