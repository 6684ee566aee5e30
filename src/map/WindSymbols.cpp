#include "map/WindSymbols.h"

#include <algorithm>
#include <cmath>

#include "map/MapProjection.h"
#include "map/SymbolSites.h"

namespace isobra {

namespace {

// The arrows are turned towards a pole 28 pixels above the pole of the map
// projection (at y = -265 rather than -237), a difference of about a degree
// at the western edge of the map.
constexpr double kArrowPoleY = kPoleY - 28.0;

const float kShortFeather = 3.0f * std::sqrt(3.0f);  // across; along it rises 1.5
const float kLongFeather = 1.4f * kShortFeather;     // same direction, 1.4 times as long

// Which side of the shaft a feather goes: the sign of its across value.
constexpr float kRight = 1.0f;
constexpr float kLeft = -1.0f;

// Arrow coordinates: b runs along the shaft from the station outwards, into
// the wind; a runs across, positive to the right when looking outwards.
class Arrow {
public:
    Arrow(MapCanvas& canvas, float x, float y, float s, float c, Colour colour)
        : canvas_(canvas), x_(x), y_(y), s_(s), c_(c), colour_(colour) {}

    void Shaft(float from, float to) const { canvas_.DrawLine(X(0, from), Y(0, from), X(0, to), Y(0, to), colour_); }
    // A feather starting at the pen, which stands on the shaft end at b0.
    void FeatherFromPen(float b0, float length, float rise, float side) const {
        const float a = side * length;
        canvas_.DrawLineTo(X(a, b0 + rise), Y(a, b0 + rise), colour_);
    }
    void Feather(float b0, float length, float rise, float side) const {
        const float a = side * length;
        canvas_.DrawLine(X(0, b0), Y(0, b0), X(a, b0 + rise), Y(a, b0 + rise), colour_);
    }

private:
    float X(float a, float b) const { return x_ - b * s_ - a * c_; }
    float Y(float a, float b) const { return y_ + b * c_ - a * s_; }

    MapCanvas& canvas_;
    float x_, y_, s_, c_;
    Colour colour_;
};

constexpr float kShortRise = 1.5f;
constexpr float kLongRise = 2.1f;

}  // namespace

void DrawWindSymbol(MapCanvas& canvas, double x, double y, int direction, int force, Colour colour) {
    if (direction < 0 || direction > 15) return;
    if (force <= 0) return;
    const double theta = direction * kMapPi / 8.0;
    const double phi = kMapPi - theta + std::atan((kPoleX - x) / (y - kArrowPoleY));
    if (!std::isfinite(phi)) return;  // a station at the pole itself has no meridian
    const Arrow arrow(canvas, static_cast<float>(x), static_cast<float>(y), static_cast<float>(std::sin(phi)),
                      static_cast<float>(std::cos(phi)), colour);
    const int f = std::min(force, 12);

    // Right side: a short feather every 4 pixels from 10 out; the force's own
    // feather is drawn long over the short one, and force 1 keeps a bit of
    // shaft beyond it.
    arrow.Shaft(6, 10);
    arrow.FeatherFromPen(10, kShortFeather, kShortRise, kRight);
    if (f == 1) {
        arrow.Feather(10, kLongFeather, kLongRise, kRight);
        arrow.Shaft(10, 12.4f);
        return;
    }
    for (int step = 2; step <= 5; ++step) {
        const float b = 6.0f + 4.0f * step;
        arrow.Shaft(b - 4, b);
        arrow.FeatherFromPen(b, kShortFeather, kShortRise, kRight);
        if (f == step) {
            arrow.Feather(b, kLongFeather, kLongRise, kRight);
            return;
        }
    }
    arrow.Shaft(26, 30);
    arrow.FeatherFromPen(30, kLongFeather, kLongRise, kRight);
    if (f == 6) return;

    // Left side: a long feather at the tip, then short ones inwards.
    arrow.Feather(30, kLongFeather, kLongRise, kLeft);
    if (f == 7) return;
    float b = 26;
    for (int step = 8; step <= 12; ++step, b -= 4) {
        arrow.Feather(b, kShortFeather, kShortRise, kLeft);
        if (f == step) return;
    }
}

void DrawWindSymbols(MapCanvas& canvas, const ObservationSet& observations, const PlotTable& plot, Colour colour) {
    for (const SymbolSite& site : CollectSymbolSites(observations, plot))
        DrawWindSymbol(canvas, site.x, site.y, site.windDirection, site.windForce, colour);
}

}  // namespace isobra
