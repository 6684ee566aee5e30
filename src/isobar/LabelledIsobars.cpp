#include "isobar/LabelledIsobars.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "canvas/MapCanvas.h"
#include "canvas/Raster.h"
#include "isobar/CentreLetters.h"
#include "isobar/GridMath.h"
#include "isobar/LabelObstacles.h"
#include "isobar/PixelBuckets.h"
#include "model/GridSettings.h"

namespace isobra {

namespace {

constexpr int kThickEveryHpa = 20;
constexpr int kNoClip = 1 << 20;

std::vector<LinePoint> PixelsOf(LinePoint from, LinePoint to) {
    std::vector<LinePoint> out;
    RasterLine(from.x, from.y, to.x, to.y, kNoClip, kNoClip, [&](int x, int y) { out.push_back({x, y}); });
    return out;
}

// Pieces for the pixels first..last of the original line: one line when
// drawing it lights exactly those pixels, otherwise two halves.
void Emit(const std::vector<LinePoint>& pixels, std::size_t first, std::size_t last, std::vector<LinePiece>& out) {
    if (last - first >= 2) {
        const std::vector<LinePoint> redrawn = PixelsOf(pixels[first], pixels[last]);
        if (!std::equal(redrawn.begin(), redrawn.end(), pixels.begin() + static_cast<std::ptrdiff_t>(first),
                        pixels.begin() + static_cast<std::ptrdiff_t>(last) + 1)) {
            const std::size_t middle = first + (last - first) / 2;
            Emit(pixels, first, middle, out);
            Emit(pixels, middle + 1, last, out);
            return;
        }
    }
    out.push_back({pixels[first], pixels[last]});
}

}  // namespace

bool IsThickLevel(std::int32_t level, std::int32_t pressureScale) {
    const std::int64_t every = static_cast<std::int64_t>(kThickEveryHpa) * pressureScale;
    return every > 0 && level % every == 0;
}

LinePoint ThickOffset(const IsobarSegment& g) {
    return std::abs(g.y2 - g.y1) > std::abs(g.x2 - g.x1) ? LinePoint{1, 0} : LinePoint{0, 1};
}

std::vector<LinePiece> LinePiecesOutside(LinePoint from, LinePoint to, const std::vector<PixelBox>& boxes) {
    const PixelBox span = PixelBox::Spanning(from.x, from.y, to.x, to.y);
    if (std::none_of(boxes.begin(), boxes.end(), [&](const PixelBox& b) { return b.Overlaps(span); }))
        return {{from, to}};
    const std::vector<LinePoint> pixels = PixelsOf(from, to);
    std::vector<LinePiece> out;
    std::size_t k = 0;
    while (k < pixels.size()) {
        auto inside = [&](std::size_t i) {
            return std::any_of(boxes.begin(), boxes.end(),
                               [&](const PixelBox& b) { return b.Contains(pixels[i].x, pixels[i].y); });
        };
        if (inside(k)) {
            ++k;
            continue;
        }
        std::size_t last = k;
        while (last + 1 < pixels.size() && !inside(last + 1)) ++last;
        Emit(pixels, k, last, out);
        k = last + 1;
    }
    return out;
}

IsobarLayout LayOutIsobars(const PressureGrid& grid, const GridSettings& settings, float interval, float halfInterval,
                           const ObservationSet& observations, const PlotTable& plot, const CoastlineTable& coastline,
                           const LabelStyle& style) {
    IsobarLayout layout;
    layout.segments = TraceIsobarSegments(grid, settings, interval, halfInterval);
    layout.lines = ChainIsobarSegments(layout.segments);
    layout.reserved = LabelObstacles(observations, plot, coastline, style);
    PlacedLabels placed =
        PlaceLabels(layout.segments, layout.lines, CentresWithPressures(plot, settings.pressureScale, style),
                    layout.reserved, settings.pressureScale, style);
    layout.labels = std::move(placed.values);
    layout.centralPressures = std::move(placed.pressures);
    for (const CentralPressure& p : layout.centralPressures)
        layout.pressureBoxes.push_back(TextBox(p.at, p.text, style.small).Grown(1));
    return layout;
}

void DrawLabelledIsobars(MapCanvas& canvas, const IsobarLayout& layout, const PlotTable& plot,
                         std::int32_t pressureScale, Colour isobarColour) {
    std::vector<PixelBox> boxes = layout.pressureBoxes;
    for (const IsobarLabel& label : layout.labels) boxes.push_back(label.box);
    const PixelBuckets<PixelBox> index(boxes, boxes);
    std::vector<PixelBox> near;
    auto draw = [&](LinePoint from, LinePoint to) {
        const PixelBox span = PixelBox::Spanning(from.x, from.y, to.x, to.y);
        near.clear();
        index.Any(span, [&](const PixelBox& b) {
            if (b.Overlaps(span) && std::find(near.begin(), near.end(), b) == near.end()) near.push_back(b);
            return false;
        });
        for (const LinePiece& p : LinePiecesOutside(from, to, near))
            canvas.DrawLine(static_cast<float>(p.from.x), static_cast<float>(p.from.y), static_cast<float>(p.to.x),
                            static_cast<float>(p.to.y), isobarColour);
    };
    for (const IsobarSegment& g : layout.segments) {
        draw({g.x1, g.y1}, {g.x2, g.y2});
        if (!IsThickLevel(RoundHalfEven(g.level), pressureScale)) continue;
        const LinePoint o = ThickOffset(g);
        draw({g.x1 + o.x, g.y1 + o.y}, {g.x2 + o.x, g.y2 + o.y});
    }
    for (const IsobarLabel& label : layout.labels)
        canvas.DrawTextAt(static_cast<float>(label.at.x), static_cast<float>(label.at.y), label.text, TextSize::Small);
    DrawCentreLetters(canvas, plot);
    DrawCentralPressures(canvas, layout.centralPressures);
}

}  // namespace isobra
