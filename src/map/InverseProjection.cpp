#include "map/InverseProjection.h"

#include <cmath>

#include "map/MapProjection.h"

namespace isobra {

namespace {

// The latitude table again, north first, as the inverse walks it.
struct Band {
    double base;   // degrees north at the band's southern edge
    double r0;     // radius there
    double slope;  // pixels per degree northwards
    double width;  // degrees the band spans
};

constexpr Band kBands[] = {
    {55, 299, 6.8, 1}, {50, 303, 7.6, 5}, {45, 339, 8, 5},  {40, 379, 8.4, 5}, {35, 421, 8.8, 5},
    {30, 465, 9.2, 5}, {25, 511, 9.6, 5}, {20, 559, 10, 5}, {15, 607, 10, 5},  {10, 657, 10, 5},
};

double Radians(double longitude) { return (longitude - 135.0) / 180.0 * kMapPi; }
double Longitude(double radians) { return radians * 180.0 / kMapPi + 135.0; }

}  // namespace

std::optional<MapPoint> ProjectPrecisely(double latitude, double longitude) {
    const double r = LatitudeRadius(latitude);
    if (r == 0.0 || !std::isfinite(longitude)) return std::nullopt;
    const double d = Radians(longitude);
    return MapPoint{kPoleX + r * std::sin(0.9 * d), r * std::cos(d) + kPoleY};
}

std::optional<double> LatitudeOfRadius(double radius) {
    if (!std::isfinite(radius)) return std::nullopt;
    std::optional<double> found;
    double foundOff = 0.0;  // degrees from the edge the answer lies at
    for (const Band& band : kBands) {
        double f = (band.r0 - radius) / band.slope;
        // Only the northernmost band (55..56) holds its northern edge. The
        // radius of a band's southern edge or of 56 N, worked out through
        // sine and cosine and back, may come out a hair beyond the edge.
        const bool last = band.base == 55;
        constexpr double kHair = 1e-9;
        if (f < 0.0 && f > -kHair) f = 0.0;
        if (last && f > band.width && f < band.width + kHair) f = band.width;
        const bool inside = f >= 0.0 && (last ? f <= band.width : f < band.width);
        if (!inside) continue;
        const double latitude = band.base + f;
        if (!found) {
            found = latitude;
            foundOff = f;
            continue;
        }
        // The second of two bands sharing the radius lies south of the
        // first: compare how far each lies from the edge between them.
        const double off = band.base + band.width - latitude;
        if (off < foundOff) found = latitude;
        break;
    }
    return found;
}

std::optional<GeoPosition> UnprojectPosition(double x, double y) {
    const double across = x - kPoleX;
    const double down = y - kPoleY;
    if (!std::isfinite(across) || !(down > 0.0)) return std::nullopt;
    // across / down = sin(0.9 d) / cos(d), which grows steadily with d over
    // -pi/2..pi/2: 60 halvings leave the interval far below a double's
    // precision there.
    const double ratio = across / down;
    double low = -kMapPi / 2;
    double high = kMapPi / 2;
    for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (low + high);
        if (std::sin(0.9 * mid) < ratio * std::cos(mid))
            low = mid;
        else
            high = mid;
    }
    const double d = 0.5 * (low + high);
    const std::optional<double> latitude = LatitudeOfRadius(down / std::cos(d));
    if (!latitude) return std::nullopt;
    double longitude = Longitude(d);
    if (longitude > 180.0) longitude -= 360.0;
    return GeoPosition{*latitude, longitude};
}

}  // namespace isobra
