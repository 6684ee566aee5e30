#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "GridTestSupport.h"
#include "IsobarMaps.h"
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

// The boxes of the isobar values as drawn: the small texts that are not
// central pressures, with their pixel of room.
std::vector<PixelBox> LabelBoxesDrawn(const RecordingCanvas& canvas, const IsobarLayout& layout) {
    std::vector<PixelBox> out;
    for (const IsobarLabel& label : layout.labels) {
        bool drawn = false;
        for (const auto& c : canvas.Of(Op::Text))
            drawn |= c.size == TextSize::Small && c.text == label.text && PixelOf(c.x1) == label.at.x &&
                     PixelOf(c.y1) == label.at.y;
        EXPECT_TRUE(drawn) << label.text;
        EXPECT_EQ(label.box, TextBox(label.at, label.text, kStyle.small).Grown(1));
        out.push_back(label.box);
    }
    return out;
}

double LineLength(const IsobarLine& line) {
    double length = 0;
    for (std::size_t k = 1; k < line.points.size(); ++k)
        length += std::hypot(line.points[k].x - line.points[k - 1].x, line.points[k].y - line.points[k - 1].y);
    return length;
}

// Whether a label of line i could still go somewhere on it: a box of its
// size centred on the line's pixels, inside the map and a pixel clear of
// everything reserved and of every label placed, along five pixels in a
// row (places are tried a few pixels apart; a gap narrower than that can
// be missed). On an open line the box keeps half its diagonal from the
// ends, so that the line runs through it.
bool HasFreePlace(const IsobarLayout& layout, std::size_t i) {
    const IsobarLine& line = layout.lines[i];
    const std::string text = PressureText(line.level, 100);
    const int w = TextWidth(text, kStyle.small) + 2, h = kStyle.small.height + 2;
    std::vector<PixelBox> taken = layout.reserved;
    for (const IsobarLabel& label : layout.labels) taken.push_back(label.box);
    std::vector<LinePoint> pixels;
    std::vector<double> arc;
    for (std::size_t k = 1; k < line.points.size(); ++k)
        RasterLine(
            line.points[k - 1].x, line.points[k - 1].y, line.points[k].x, line.points[k].y, kMapSize, kMapSize,
            [&](int x, int y) {
                if (!pixels.empty() && pixels.back() == LinePoint{x, y}) return;  // where two pieces meet
                arc.push_back(pixels.empty() ? 0 : arc.back() + std::hypot(x - pixels.back().x, y - pixels.back().y));
                pixels.push_back({x, y});
            });
    const double margin = line.closed ? 0 : std::hypot(w, h) / 2;
    int run = 0;
    for (std::size_t k = 0; k < pixels.size(); ++k) {
        const auto [x, y] = pixels[k];
        const PixelBox box{x - w / 2, y - h / 2, x - w / 2 + w - 1, y - h / 2 + h - 1};
        const bool free =
            arc[k] >= margin && arc[k] <= arc.back() - margin && box.x1 >= 0 && box.y1 >= 0 && box.x2 < kMapSize &&
            box.y2 < kMapSize &&
            std::none_of(taken.begin(), taken.end(), [&](const PixelBox& b) { return b.Overlaps(box.Grown(1)); });
        run = free ? run + 1 : 0;
        if (run >= 5) return true;
    }
    return false;
}

// Everything a labelled picture promises, checked on one map.
void ExpectSoundLabels(const AppState& state, const std::string& what, float interval = 200) {
    SCOPED_TRACE(what);
    const IsobarLayout layout = LayOut(state, interval);
    const RecordingCanvas canvas = Draw(state, layout);
    const std::vector<PixelBox> boxes = LabelBoxesDrawn(canvas, layout);
    std::vector<int> perLine(layout.lines.size(), 0);
    for (std::size_t a = 0; a < boxes.size(); ++a) {
        const IsobarLabel& label = layout.labels[a];
        ++perLine[static_cast<std::size_t>(label.line)];
        EXPECT_EQ(label.text, PressureText(layout.lines[static_cast<std::size_t>(label.line)].level, 100));
        EXPECT_TRUE(boxes[a].x1 >= 0 && boxes[a].y1 >= 0 && boxes[a].x2 < 400 && boxes[a].y2 < 400) << label.text;
        for (std::size_t b = a + 1; b < boxes.size(); ++b)
            EXPECT_FALSE(boxes[a].Overlaps(boxes[b])) << label.text << " and " << layout.labels[b].text;
        for (const PixelBox& r : layout.reserved) EXPECT_FALSE(boxes[a].Overlaps(r)) << label.text;
    }
    for (const int n : perLine) EXPECT_LE(n, 2);
    // Not one pixel of any line inside a label or a central pressure.
    std::vector<PixelBox> texts = boxes;
    for (const auto& c : canvas.Of(Op::Text))
        if (c.size == TextSize::Small && std::none_of(layout.labels.begin(), layout.labels.end(), [&](const auto& l) {
                return l.at.x == PixelOf(c.x1) && l.at.y == PixelOf(c.y1);
            }))
            texts.push_back(TextBox({PixelOf(c.x1), PixelOf(c.y1)}, c.text, kStyle.small).Grown(1));
    for (const auto& [x, y] : test::PixelsOf(canvas.calls))
        for (const PixelBox& b : texts) EXPECT_FALSE(b.Contains(x, y)) << x << "," << y;
    // The same input draws the same picture.
    const RecordingCanvas again = Draw(state, LayOut(state, interval));
    ASSERT_EQ(again.calls.size(), canvas.calls.size());
    for (std::size_t k = 0; k < canvas.calls.size(); ++k) EXPECT_EQ(canvas.calls[k], again.calls[k]) << "call " << k;
}

TEST(LabelledIsobars, TheExampleAndRandomMapsKeepEveryPromise) {
    const AppState winter = test::WinterMap();
    ExpectSoundLabels(winter, "winter");
    ExpectSoundLabels(winter, "winter, 1 hPa", 100);
    for (const std::uint32_t seed : {3u, 7u, 12u}) {
        AppState state = winter;  // the winter symbols, letters and fronts over a random field
        test::FillRandomField(state.field, seed, 9, 0);
        ExpectSoundLabels(state, "seed " + std::to_string(seed));
    }
    AppState dense = winter;
    test::FillRandomField(dense.field, 12, 9, 0);
    ExpectSoundLabels(dense, "dense, 0.5 hPa", 50);
}

TEST(LabelledIsobars, EveryRingAndLongLineOfTheExampleIsLabelledAndLabelsSpread) {
    const AppState winter = test::WinterMap();
    const IsobarLayout layout = LayOut(winter);
    std::vector<int> perLine(layout.lines.size(), 0);
    for (const IsobarLabel& label : layout.labels) ++perLine[static_cast<std::size_t>(label.line)];
    int wanted = 0;
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        const bool want = layout.lines[i].closed || LineLength(layout.lines[i]) > 120;
        wanted += want;
        if (want) {
            EXPECT_TRUE(perLine[i] >= 1 || !HasFreePlace(layout, i)) << "level " << layout.lines[i].level;
        } else {
            EXPECT_EQ(perLine[i], 0) << "level " << layout.lines[i].level;
        }
    }
    EXPECT_GE(wanted, 30);
    // Spread, not stacked: no label has more than six others within 48
    // pixels (corner to corner), and half of them have no other box within
    // 8 pixels.
    int lonely = 0;
    for (const IsobarLabel& a : layout.labels) {
        int near = 0, nearest = 400;
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
            state.field.pressureGrid.at(ix, iy) = static_cast<int>(103000 - 90 * d * d);
        }
    test::AddItem(state.field, "高気圧", 197, 194, pressureHpa * 100);
    return state;
}

TEST(LabelledIsobars, ClosedIsobarsAroundACentreAreLabelled) {
    const AppState state = RoundHigh(1030);
    const IsobarLayout layout = LayOut(state);
    int rings = 0, labelled = 0;
    for (std::size_t i = 0; i < layout.lines.size(); ++i) {
        if (!layout.lines[i].closed) continue;
        ++rings;
        int labels = 0;
        for (const IsobarLabel& label : layout.labels) labels += label.line == static_cast<int>(i);
        EXPECT_TRUE(labels >= 1 || !HasFreePlace(layout, i))
            << "ring " << layout.lines[i].level << " of " << LineLength(layout.lines[i]) << " px";
        labelled += labels > 0;
    }
    EXPECT_GE(rings, 3);
    EXPECT_GE(labelled, 3) << "of " << rings << " rings";
    ExpectSoundLabels(state, "round high");
}

TEST(LabelledIsobars, CentralPressureUnderItsLetter) {
    struct Case {
        const char* kind;
        int x, y, pressure;  // pressure in grid units
        const char* text;    // "" for none
        int textX, textY;
    };
    // The canvas metric makes a letter 12 x 12; small digits are 6 wide.
    const Case cases[] = {
        {"高気圧", 200, 150, 103600, "1036", 194, 162}, {"低気圧", 100, 300, 98450, "984.5", 91, 312},
        {"台風", 300, 100, 96000, "960", 297, 112},     {"台風", 300, 200, 0, "", 0, 0},  // the report gave none
        {"低気圧", 395, 200, 99000, "", 0, 0},                                            // no letter, no pressure
        {"寒冷前線", 100, 100, 99000, "", 0, 0},
    };
    for (const Case& c : cases) {
        PressureField state = test::EmptyPlotState();
        test::AddItem(state, c.kind, c.x, c.y, c.pressure);
        RecordingCanvas canvas;
        DrawCentralPressures(canvas, CentralPressures(state.plotTable, 100, kStyle));
        if (c.text[0] == 0) {
            EXPECT_TRUE(canvas.calls.empty()) << c.kind << " at " << c.x;
            continue;
        }
        ASSERT_EQ(canvas.calls.size(), 1u) << c.kind;
        EXPECT_EQ(canvas.calls[0].text, c.text);
        EXPECT_EQ(canvas.calls[0].size, TextSize::Small);
        EXPECT_EQ(canvas.calls[0].x1, c.textX);
        EXPECT_EQ(canvas.calls[0].y1, c.textY);
    }
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
    const std::vector<PixelBox> reserved =
        LabelObstacles(winter.observations, winter.field.plotTable, winter.coastline,
                       CentralPressures(winter.field.plotTable, 100, kStyle), kStyle);
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
    const std::vector<CentralPressure> pressures = CentralPressures(state.field.plotTable, 100, kStyle);
    EXPECT_LT(LabelObstacles(state.observations, state.field.plotTable, state.coastline, pressures, kStyle).size(),
              20000u);
}

}  // namespace
}  // namespace isobra
