#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "canvas/MapCanvas.h"
#include "canvas/Raster.h"
#include "canvas/RecordingCanvas.h"
#include "isobar/GridConstruction.h"
#include "isobar/IsobarInterval.h"
#include "isobar/IsobarLine.h"
#include "isobar/IsobarSegments.h"
#include "isobar/LabelledIsobars.h"
#include "map/MapProjection.h"
#include "model/PlotKinds.h"
#include "state/AppState.h"
#include "state/IsobarLayer.h"
#include "state/MapLayers.h"

namespace isobra::test {

// A report as the radio would give it: a few highs and lows, the stations'
// and ships' pressures read off their field, the centres at the bumps with
// the pressure there, and fronts running east from some of the lows. Made
// from the raw outputs of mt19937, the same everywhere.
inline AppState RandomReport(std::uint32_t seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<std::uint32_t>(n)); };
    struct Bump {
        int lat, lon;
        double width, depth;
        CanvasPoint at;
    };
    std::vector<Bump> bumps(static_cast<std::size_t>(2 + pick(5)));
    for (Bump& b : bumps) {
        b.lat = 25 + pick(26);
        b.lon = 115 + pick(46);
        b.width = 60 + pick(141);
        b.depth = pick(66) - 35;
        b.at = ProjectPosition(b.lat, b.lon);
    }
    auto pressure = [&](CanvasPoint p) {
        double v = 1012;
        for (const Bump& b : bumps)
            v += b.depth / (1 + (std::pow(p.x - b.at.x, 2) + std::pow(p.y - b.at.y, 2)) / (b.width * b.width));
        return static_cast<int>(std::lround(v));
    };
    AppState state;
    ObservationSet& obs = state.observations;
    for (int k = 0; k < obs.stationCount(); ++k)
        obs.land(k) = {pick(16), pick(13), pick(11), pick(12) ? pressure(obs.stationPosition(k)) : 0, pick(58) - 25};
    obs.SetShipCount(pick(13));
    for (int j = 0; j < obs.shipCount(); ++j) {
        const int lat = 20 + pick(31), lon = 120 + pick(46);
        obs.ship(j) = {lat, lon, pick(16), pick(13), pick(11), pressure(ProjectPosition(lat, lon))};
    }
    int f = 0;
    for (const Bump& b : bumps) {
        if (std::abs(b.depth) < 8) continue;
        const bool typhoon = b.depth < -25 && b.lat <= 30;
        const std::string_view kind = b.depth > 0 ? kHighKind : typhoon ? kTyphoonKind : kLowKind;
        obs.fishery(f++) = {std::string(kind), b.lat, b.lon, pressure(b.at)};
        if (b.depth > 0 || pick(2)) continue;
        const char* fronts[] = {"温暖前線", "寒冷前線", "停滞前線", "閉塞前線"};
        int lat = b.lat, lon = b.lon;
        for (int n = 2 + pick(4); n > 0; --n, lat += pick(5) - 3, lon += 2 + pick(4))
            obs.fishery(f++) = {fronts[pick(4)], lat, lon, 0};
    }
    obs.SetFisheryCount(f);
    EXPECT_TRUE(ComputePressureGrid(obs, state.field).ok()) << "seed " << seed;
    return state;
}

// What an audit found on one map.
struct LabelTally {
    int values = 0;             // isobar values written
    int pressures = 0;          // central pressures written
    int centres = 0;            // centre letters that have a pressure to write
    int wantedLines = 0;        // rings and open lines over 120 pixels
    int linesWithoutPlace = 0;  // of those, left bare where no place was free
};

// Draws the labelled map as the renderer does (map, isobars, symbols, wind,
// fronts) with every layer in a colour of its own, and checks the labels
// from the recorded calls and an isobar tracing of the grid of its own:
// every value and central pressure lies wholly on the map and keeps a
// pixel clear of the map's edge, of every other text, of every pixel of a
// symbol, wind arrow or front and of every isobar drawn; it never overlaps a
// letter, and a value keeps a pixel clear of letters too; a value keeps a
// pixel clear of every line of another level and lies on a line of its own;
// a central pressure stands within a few pixels of a letter whose centre has
// that pressure. Every ring and open line longer than 120 pixels carries a
// value unless no place on it is free: inside the map, clear of what the
// layout reserved and of the labels, and clear of other lines.
inline LabelTally AuditLabels(AppState state, double hpa, const std::string& what) {
    SCOPED_TRACE(what + ", " + std::to_string(hpa) + " hPa");
    SetIsobarInterval(state.field.grid, hpa);
    state.labelIsobars = true;
    enum Layer : std::uint8_t { kMap = 1, kIsobar = 2, kFigure = 4 };
    state.colours.SetColour(kMapColour, kMap);
    state.colours.SetColour(kIsobarColour, kIsobar);
    for (const int item : {kWeatherSymbolColour, kWindSymbolColour, kWarmFrontColour, kColdFrontColour,
                           kStationaryFrontColour, kOccludedFrontColour})
        state.colours.SetColour(item, kFigure);
    RecordingCanvas canvas;
    DrawMapLayer(canvas, state);
    DrawIsobarLayer(canvas, state);
    DrawSymbolLayer(canvas, state);
    DrawWindLayer(canvas, state);
    DrawFrontLayer(canvas, state);

    constexpr int kSize = kMapSize;
    auto inMap = [](int x, int y) { return x >= 0 && y >= 0 && x < kSize && y < kSize; };
    std::vector<std::uint8_t> lit(kSize * kSize, 0);
    auto mark = [&](std::uint8_t layer) {
        return [&lit, layer, inMap](int x, int y) {
            if (inMap(x, y)) lit[static_cast<std::size_t>(y * kSize + x)] |= layer;
        };
    };
    const LabelStyle style;
    std::vector<PixelBox> letters, texts;
    std::vector<std::string> words;
    std::vector<bool> isPressure;
    for (const RecordingCanvas::Call& c : canvas.calls) {
        const auto layer = static_cast<std::uint8_t>(c.colour);
        if (c.op == RecordingCanvas::Op::Line)
            RasterLine(PixelOf(c.x1), PixelOf(c.y1), PixelOf(c.x2), PixelOf(c.y2), kSize, kSize, mark(layer));
        else if (c.op == RecordingCanvas::Op::Circle)
            RasterCircle(PixelOf(c.x1), PixelOf(c.y1), c.x2, mark(layer));
        else if (c.op == RecordingCanvas::Op::Arc)
            RasterArc(PixelOf(c.x1), PixelOf(c.y1), c.x2, c.start, c.end, mark(layer));
        else if (c.op == RecordingCanvas::Op::Text && c.size == TextSize::Canvas)
            letters.push_back(TextBox({PixelOf(c.x1), PixelOf(c.y1)}, c.text, style.canvas));
        else if (c.op == RecordingCanvas::Op::Text) {
            texts.push_back(TextBox({PixelOf(c.x1), PixelOf(c.y1)}, c.text, style.small));
            words.push_back(c.text);
            isPressure.push_back(!letters.empty());  // the values come before the letters, the pressures after
        }
    }

    // The isobars as traced, by level, thick ones with their second pixel
    // either way.
    const GridSettings& grid = state.field.grid;
    const std::vector<IsobarSegment> segments =
        TraceIsobarSegments(state.field.pressureGrid, grid, grid.isobarInterval, grid.isobarHalfInterval);
    auto levelOf = [](const IsobarSegment& g) { return static_cast<int>(std::lround(g.level)); };
    auto segmentPixels = [&](const IsobarSegment& g, const PlotFn& plot) {
        RasterLine(g.x1, g.y1, g.x2, g.y2, kSize, kSize, plot);
        if (levelOf(g) % 2000 != 0) return;
        RasterLine(g.x1 + 1, g.y1, g.x2 + 1, g.y2, kSize, kSize, plot);
        RasterLine(g.x1, g.y1 + 1, g.x2, g.y2 + 1, kSize, kSize, plot);
    };
    auto litIn = [&](const PixelBox& b, std::uint8_t layers) {
        for (int y = std::max(b.y1, 0); y <= std::min(b.y2, kSize - 1); ++y)
            for (int x = std::max(b.x1, 0); x <= std::min(b.x2, kSize - 1); ++x)
                if (lit[static_cast<std::size_t>(y * kSize + x)] & layers) return true;
        return false;
    };

    LabelTally tally;
    for (std::size_t a = 0; a < texts.size(); ++a) {
        const PixelBox& t = texts[a];
        const PixelBox room = t.Grown(1);
        const std::string& word = words[a];
        EXPECT_TRUE(room.x1 >= 0 && room.y1 >= 0 && room.x2 < kSize && room.y2 < kSize) << word << " at the edge";
        for (std::size_t b = 0; b < texts.size(); ++b)
            EXPECT_TRUE(a == b || !room.Overlaps(texts[b])) << word << " touches " << words[b];
        for (const PixelBox& letter : letters)
            EXPECT_FALSE((isPressure[a] ? t : room).Overlaps(letter)) << word << " on a letter";
        EXPECT_FALSE(litIn(room, kFigure)) << word << " on a symbol, wind arrow or front";
        EXPECT_FALSE(litIn(room, kIsobar)) << word << " with an isobar drawn through it";
        if (isPressure[a]) {
            ++tally.pressures;
            bool beside = false;
            for (int k = state.field.plotTable.FirstFisherySlot(); k <= state.field.plotTable.LastSlot(); ++k) {
                const PlotSlot& p = state.field.plotTable.slot(k);
                const PixelBox letter = TextBox({p.x, p.y}, CentreLetter(p.kind), style.canvas);
                beside |= !CentreLetter(p.kind).empty() && PressureText(p.pressure, 100) == word &&
                          letter.Grown(12).Overlaps(t);
            }
            EXPECT_TRUE(beside) << word << " at " << t.x1 << "," << t.y1 << " beside no centre of that pressure";
            continue;
        }
        ++tally.values;
        const int level = static_cast<int>(std::lround(std::stod(word) * 100));
        bool own = false, other = false;
        for (const IsobarSegment& g : segments) {
            if (!PixelBox::Spanning(g.x1, g.y1, g.x2 + 1, g.y2 + 1).Overlaps(room)) continue;
            segmentPixels(g, [&](int x, int y) {
                if (!room.Contains(x, y)) return;
                (levelOf(g) == level ? own : other) = true;
            });
        }
        EXPECT_TRUE(own) << word << " at " << t.x1 << "," << t.y1 << " off its line";
        EXPECT_FALSE(other) << word << " at " << t.x1 << "," << t.y1 << " on a line of another level";
    }
    for (int k = state.field.plotTable.FirstFisherySlot(); k <= state.field.plotTable.LastSlot(); ++k) {
        const PlotSlot& p = state.field.plotTable.slot(k);
        tally.centres +=
            !CentreLetter(p.kind).empty() && p.x >= 8 && p.x <= 391 && p.y >= 8 && p.y <= 391 && p.pressure > 0;
    }

    // Lines left bare. A place is a box of a value's size centred on a
    // pixel of the line, tried along it; it is free when it lies inside the
    // map, a pixel clear of what the layout reserved and of every label, and
    // when no pixel of another line, nor of a part of its own more than the
    // box's reach along it, comes within a pixel. Places are tried a few
    // pixels apart, so it takes seven free pixels in a row.
    const IsobarLayout layout =
        LayOutIsobars(state.field.pressureGrid, grid, grid.isobarInterval, grid.isobarHalfInterval, state.observations,
                      state.field.plotTable, state.coastline, style);
    std::vector<PixelBox> taken = layout.reserved.figures;
    taken.insert(taken.end(), layout.reserved.map.begin(), layout.reserved.map.end());
    for (const PixelBox& t : texts) taken.push_back(t.Grown(1));
    // Which line lights each pixel: -1 none, -2 more than one.
    const std::vector<IsobarLine> lines = ChainIsobarSegments(segments);
    std::vector<int> owner(kSize * kSize, -1);
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (const int s : lines[i].segments)
            segmentPixels(segments[static_cast<std::size_t>(s)], [&](int x, int y) {
                int& o = owner[static_cast<std::size_t>(y * kSize + x)];
                o = o == -1 || o == static_cast<int>(i) ? static_cast<int>(i) : -2;
            });
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const IsobarLine& line = lines[i];
        std::vector<LinePoint> pixels;
        std::vector<double> arc;
        double length = 0;
        for (std::size_t k = 1; k < line.points.size(); ++k) {
            const LinePoint a = line.points[k - 1], b = line.points[k];
            length += std::hypot(b.x - a.x, b.y - a.y);
            RasterLine(a.x, a.y, b.x, b.y, kSize, kSize, [&](int x, int y) {
                if (!pixels.empty() && pixels.back() == LinePoint{x, y}) return;
                arc.push_back(pixels.empty() ? 0 : arc.back() + std::hypot(x - pixels.back().x, y - pixels.back().y));
                pixels.push_back({x, y});
            });
        }
        if (pixels.empty() || (!line.closed && length <= 120)) continue;
        ++tally.wantedLines;
        const std::string text = PressureText(line.level, 100);
        bool labelled = false;
        for (std::size_t a = 0; a < texts.size(); ++a)
            if (!isPressure[a] && words[a] == text)
                for (const LinePoint& p : pixels) labelled |= texts[a].Grown(1).Contains(p.x, p.y);
        if (labelled) continue;
        const int w = TextWidth(text, style.small) + 2, h = style.small.height + 2;
        const double reach = std::hypot(w, h) / 2 + 1;
        auto crossed = [&](const PixelBox& box, double at) {
            const PixelBox near = box.Grown(1);
            for (int y = std::max(near.y1, 0); y <= std::min(near.y2, kSize - 1); ++y)
                for (int x = std::max(near.x1, 0); x <= std::min(near.x2, kSize - 1); ++x)
                    if (const int o = owner[static_cast<std::size_t>(y * kSize + x)]; o != -1 && o != int(i))
                        return true;
            for (std::size_t k = 0; k < pixels.size(); ++k) {
                double apart = std::abs(arc[k] - at);
                if (line.closed) apart = std::min(apart, arc.back() - apart);
                if (apart > reach + 2 && near.Contains(pixels[k].x, pixels[k].y)) return true;
            }
            return false;
        };
        int run = 0;
        bool free = false;
        const bool tooSmall = line.closed && length < 2 * (w + h);  // a ring that its label would nearly cover
        for (std::size_t k = 0; k < pixels.size() && !free && !tooSmall; ++k) {
            const auto [x, y] = pixels[k];
            const PixelBox box{x - w / 2, y - h / 2, x - w / 2 + w - 1, y - h / 2 + h - 1};
            const bool ok =
                (line.closed || (arc[k] >= reach && arc[k] <= arc.back() - reach)) && box.x1 >= 0 && box.y1 >= 0 &&
                box.x2 < kSize && box.y2 < kSize &&
                std::none_of(taken.begin(), taken.end(), [&](const PixelBox& b) { return b.Overlaps(box.Grown(1)); }) &&
                !crossed(box, arc[k]);
            run = ok ? run + 1 : 0;
            free = run >= 7;
        }
        EXPECT_FALSE(free) << "line " << text << " of " << length << " px left bare with a place free";
        tally.linesWithoutPlace += !free;
    }
    return tally;
}

}  // namespace isobra::test
