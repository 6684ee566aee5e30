#include "isobar/LabelObstacles.h"

#include <algorithm>
#include <cmath>

#include "canvas/Raster.h"
#include "isobar/CentreLetters.h"
#include "isobar/GridMath.h"
#include "map/CoastlineTable.h"
#include "map/Fronts.h"
#include "map/SymbolSites.h"
#include "map/WeatherSymbols.h"
#include "map/WindSymbols.h"
#include "model/ColorSettings.h"

namespace isobra {

namespace {

constexpr double kPiece = 3;  // longest stretch of a line one box covers: a slanting line keeps a narrow band

// Values stand on isobars, which lie on the grid's 400 x 400 pixels; an
// obstacle more than a label's width beyond them cannot touch one.
constexpr CanvasArea kObstacleArea{-100.0f, -100.0f, 500.0f, 500.0f};

// The box of pixels that points between (x1, y1) and (x2, y2) can light:
// each coordinate goes to its nearest pixel, so half a pixel either way.
PixelBox Span(double x1, double y1, double x2, double y2) {
    return {FloorToInt(std::min(x1, x2) - 0.5), FloorToInt(std::min(y1, y2) - 0.5),
            FloorToInt(std::max(x1, x2) + 0.5) + 1, FloorToInt(std::max(y1, y2) + 0.5) + 1};
}

void LineBoxes(const RecordingCanvas::Call& c, const CanvasArea& keep, std::vector<PixelBox>& out) {
    const double dx = double(c.x2) - c.x1, dy = double(c.y2) - c.y1;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (!std::isfinite(length)) return;
    const int pieces = std::max(1, static_cast<int>(std::ceil(length / kPiece)));
    // Only the pieces that may reach into the area (one more at each end, a
    // piece being at most kPiece long); each is the very box it would be if
    // the whole line were cut up.
    double t0 = 0.0, t1 = 1.0;
    if (!ClipSegment(c.x1, c.y1, dx, dy, keep.left, keep.top, keep.right, keep.bottom, t0, t1)) return;
    const int first = std::max(0, static_cast<int>(std::floor(t0 * pieces)) - 1);
    const int last = std::min(pieces - 1, static_cast<int>(std::floor(t1 * pieces)) + 1);
    for (int k = first; k <= last; ++k) {
        const double t0 = double(k) / pieces, t1 = double(k + 1) / pieces;
        out.push_back(Span(c.x1 + t0 * (c.x2 - c.x1), c.y1 + t0 * (c.y2 - c.y1), c.x1 + t1 * (c.x2 - c.x1),
                           c.y1 + t1 * (c.y2 - c.y1)));
    }
}

}  // namespace

std::vector<PixelBox> BoxesOfCalls(const std::vector<RecordingCanvas::Call>& calls, const LabelStyle& style,
                                   const CanvasArea& keep) {
    using Op = RecordingCanvas::Op;
    std::vector<PixelBox> out;
    for (const RecordingCanvas::Call& c : calls) {
        switch (c.op) {
            case Op::Line:
                LineBoxes(c, keep, out);
                break;
            case Op::Box:
                out.push_back(Span(c.x1, c.y1, c.x2, c.y2));
                break;
            case Op::Circle:
            case Op::Arc: {
                const double r = std::max(0.0, double(c.x2)) + 0.5;
                out.push_back(Span(c.x1 - r, c.y1 - r, c.x1 + r, c.y1 + r));
                break;
            }
            case Op::Text: {
                const TextMetric& metric = c.size == TextSize::Small ? style.small : style.canvas;
                out.push_back(TextBox({PixelOf(c.x1), PixelOf(c.y1)}, c.text, metric));
                break;
            }
            case Op::Clear:
                break;
        }
    }
    return out;
}

ReservedBoxes LabelObstacles(const ObservationSet& observations, const PlotTable& plot, const CoastlineTable& coastline,
                             const LabelStyle& style) {
    RecordingCanvas map(kObstacleArea);
    DrawCoastline(map, coastline, 0);
    RecordingCanvas figures(kObstacleArea);
    for (const SymbolSite& site : CollectSymbolSites(observations, plot)) {
        DrawWeatherSymbol(figures, site.x, site.y, site.weather, 0);
        DrawWindSymbol(figures, site.x, site.y, site.windDirection, site.windForce, 0);
    }
    DrawFronts(figures, plot, ColorSettings{});
    DrawCentreLetters(figures, plot);
    return {BoxesOfCalls(figures.calls, style, kObstacleArea), BoxesOfCalls(map.calls, style, kObstacleArea)};
}

}  // namespace isobra
