#include "map/MapProjection.h"

#include <cmath>

namespace isobra {

namespace {

struct Band {
    int base;      // B: band start, degrees north
    double r0;     // radius at L = B
    double slope;  // pixels per degree
};

constexpr Band kBands[] = {
    {55, 299, 6.8}, {50, 303, 7.6}, {45, 339, 8},  {40, 379, 8.4}, {35, 421, 8.8},
    {30, 465, 9.2}, {25, 511, 9.6}, {20, 559, 10}, {15, 607, 10},  {10, 657, 10},
};

}  // namespace

double MapProjection::LatitudeRadius(double latitude) {
    if (!(latitude >= 10.0 && latitude <= 56.0)) return 0.0;
    const double b = 5.0 * std::floor(latitude / 5.0);
    const double f = latitude - b;
    for (const Band& band : kBands) {
        if (band.base == static_cast<int>(b)) return band.r0 - band.slope * f;
    }
    return 0.0;
}

CanvasPoint MapProjection::ProjectPosition(double latitude, double longitude) {
    const double r = LatitudeRadius(latitude);
    if (r == 0.0 || !std::isfinite(longitude)) return {};
    const double d = (longitude - 135.0) / 180.0 * kMapPi;
    const double x = kPoleX + r * std::sin(0.9 * d);
    const double y = r * std::cos(d) + kPoleY;
    auto toPixel = [](double v) {
        const double rounded = std::nearbyint(v);  // halves to even
        if (rounded > 2147483647.0 || rounded < -2147483648.0) return 0;
        return static_cast<int>(rounded);
    };
    return {toPixel(x), toPixel(y)};
}

}  // namespace isobra
