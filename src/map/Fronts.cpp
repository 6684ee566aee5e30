#include "map/Fronts.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <utility>

#include "map/MapProjection.h"
#include "model/PlotKinds.h"

namespace isobra {

namespace {

constexpr int kSymbolSize = 4;
constexpr int kSymbolSpacing = 24;
// Stationary fronts carry both symbol kinds, so each kind is spaced wider.
constexpr int kStationarySpacing = kSymbolSpacing * 4 / 3;

// How far from its centre a symbol of this size can light a pixel: a warm
// front's half circle reaches `size`, a cold front's triangle about 1.9 times
// it; a pixel more for the rounding.
double SymbolReach(int size) { return 2.0 * std::abs(size) + 2.0; }

// A front segment with its west end first (x1 <= x2) and the line through it
// in slope form. The angle a is that of the line on the screen, y downwards.
struct FrontLine {
    double x1, y1, x2, y2;
    double m = 0, b = 0;
    double cosA = 1, sinA = 0;
    double step = 0;  // x distance of one symbol spacing along the line
    bool vertical = false;
    bool horizontal = false;
};

// The segment's western end first (the northern one when both lie on one
// meridian). The canvas's line rule is not symmetric, so the line is drawn
// in this order too: two entries give the same pixels whichever came first.
void WestFirst(int& x1, int& y1, int& x2, int& y2) {
    if (x2 < x1 || (x2 == x1 && y2 < y1)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
}

void DrawFrontLine(MapCanvas& canvas, int x1, int y1, int x2, int y2, Colour colour) {
    canvas.DrawLine(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2),
                    colour);
}

// Draws the line itself and returns its geometry, or nothing (and draws
// nothing) when an end has no position.
std::optional<FrontLine> StartFront(MapCanvas& canvas, int x1, int y1, int x2, int y2, int spacing, Colour colour) {
    if (x1 <= 0 || y1 <= 0 || x2 <= 0 || y2 <= 0) return std::nullopt;
    WestFirst(x1, y1, x2, y2);
    DrawFrontLine(canvas, x1, y1, x2, y2, colour);
    FrontLine line{double(x1), double(y1), double(x2), double(y2)};
    line.vertical = x1 == x2;
    line.horizontal = y1 == y2;
    if (line.vertical) return line;
    line.m = (line.y1 - line.y2) / (line.x1 - line.x2);
    line.b = line.y1 - line.m * line.x1;
    const double a = std::atan(line.m);
    line.cosA = std::cos(a);
    line.sinA = std::sin(a);
    const double length = std::hypot(line.x2 - line.x1, line.y2 - line.y1);
    line.step = (line.x2 - line.x1) / (length / spacing);
    return line;
}

// Calls `symbol` with each centre on the line at whole x positions from
// x1 + startOffset to x2 - endOffset (both rounded, halves to even), one
// step (rounded likewise) apart. A step that rounds to 0 or below places
// no symbols: on a nearly vertical segment the positions would never advance.
// Symbols whose centre lies farther than `reach` outside the canvas's area
// would light no pixel it keeps and are left out, so a front reaching far
// beyond the map costs what its part near the map costs.
void PlaceSymbols(const FrontLine& line, double startOffset, double endOffset, const CanvasArea& area, double reach,
                  const std::function<void(double, double)>& symbol) {
    const double k = std::nearbyint(line.step);
    if (!(k >= 1)) return;
    const double start = std::nearbyint(line.x1 + startOffset);
    const double end = std::nearbyint(line.x2 - endOffset);
    if (!(start <= end)) return;
    // The x positions where the line runs near the area: near it across, and
    // (unless the line is level) near it up and down.
    double low = area.left - reach;
    double high = area.right + reach;
    if (line.m != 0) {
        const double a = (area.top - reach - line.b) / line.m;
        const double b = (area.bottom + reach - line.b) / line.m;
        low = std::max(low, std::min(a, b));
        high = std::min(high, std::max(a, b));
    } else if (line.b < area.top - reach || line.b > area.bottom + reach) {
        return;
    }
    // Symbol i stands at start + i * k: whole numbers, so counting by index
    // gives the very positions that stepping from start gives.
    const double last = std::floor((end - start) / k);
    const double first = std::max(0.0, std::isfinite(low) ? std::ceil((low - start) / k) : 0.0);
    const double stop = std::min(last, std::isfinite(high) ? std::floor((high - start) / k) : last);
    for (double i = first; i <= stop; ++i) {
        const double x0 = start + i * k;
        symbol(x0, line.m * x0 + line.b);
    }
}

}  // namespace

void DrawWarmFrontSegment(MapCanvas& canvas, int x1, int y1, int x2, int y2, int size, int spacing, Colour colour) {
    const std::optional<FrontLine> line = StartFront(canvas, x1, y1, x2, y2, spacing, colour);
    if (!line || line->vertical) return;
    // The eastward direction of the line has the canvas angle -a (angles
    // count up the screen); half a turn counterclockwise from it is the left.
    const float from = static_cast<float>(-std::atan(line->m));
    const float to = static_cast<float>(kMapPi - std::atan(line->m));
    PlaceSymbols(
        *line, 3 * line->step / 4, line->step / 4, canvas.Area(), SymbolReach(size), [&](double cx, double cy) {
            canvas.DrawArc(static_cast<float>(cx), static_cast<float>(cy), static_cast<float>(size), colour, from, to);
        });
}

void DrawColdFrontSegment(MapCanvas& canvas, int x1, int y1, int x2, int y2, int size, int spacing, Colour colour) {
    const std::optional<FrontLine> line = StartFront(canvas, x1, y1, x2, y2, spacing, colour);
    if (!line || line->vertical || line->horizontal) return;
    const double h = std::nearbyint(size * 4.0 / 3.0);  // half the base, and the height
    const double hc = h * line->cosA;
    const double hs = h * line->sinA;
    PlaceSymbols(*line, line->step / 4, line->step / 2, canvas.Area(), SymbolReach(size), [&](double cx, double cy) {
        // Base along the line, apex to the right of the eastward direction.
        canvas.DrawLine(static_cast<float>(cx + hc), static_cast<float>(cy + hs), static_cast<float>(cx - hs),
                        static_cast<float>(cy + hc), colour);
        canvas.DrawLineTo(static_cast<float>(cx - hc), static_cast<float>(cy - hs), colour);
        canvas.DrawLineTo(static_cast<float>(cx + hc), static_cast<float>(cy + hs), colour);
    });
}

void DrawOccludedFrontSegment(MapCanvas& canvas, int x1, int y1, int x2, int y2, Colour colour) {
    if (x1 <= 0 || y1 <= 0 || x2 <= 0 || y2 <= 0) return;
    WestFirst(x1, y1, x2, y2);
    DrawFrontLine(canvas, x1, y1, x2, y2, colour);
}

void DrawFronts(MapCanvas& canvas, const PlotTable& plot, const ColorSettings& colours) {
    // Fishery items follow the stations and ships the table was built with.
    for (int i = plot.FirstFisherySlot(); i < plot.LastSlot(); ++i) {
        const PlotSlot& p = plot.slot(i);
        const PlotSlot& q = plot.slot(i + 1);
        if (p.kind != q.kind) continue;  // a change of kind ends a front
        if (p.kind == kWarmFrontKind) {
            DrawWarmFrontSegment(canvas, p.x, p.y, q.x, q.y, kSymbolSize, kSymbolSpacing,
                                 colours.ColorOf(kWarmFrontColour));
        } else if (p.kind == kColdFrontKind) {
            DrawColdFrontSegment(canvas, p.x, p.y, q.x, q.y, kSymbolSize, kSymbolSpacing,
                                 colours.ColorOf(kColdFrontColour));
        } else if (p.kind == kStationaryFrontKind) {
            // The two symbol kinds start at different offsets, so they alternate.
            const Colour colour = colours.ColorOf(kStationaryFrontColour);
            DrawWarmFrontSegment(canvas, p.x, p.y, q.x, q.y, kSymbolSize, kStationarySpacing, colour);
            DrawColdFrontSegment(canvas, p.x, p.y, q.x, q.y, kSymbolSize, kStationarySpacing, colour);
        } else if (p.kind == kOccludedFrontKind) {
            DrawOccludedFrontSegment(canvas, p.x, p.y, q.x, q.y, colours.ColorOf(kOccludedFrontColour));
        }
    }
}

}  // namespace isobra
