#pragma once

#include "model/ObservationSet.h"

namespace isobra {

// Pi as the map has always taken it, 3.141592, not full precision: the
// projection, the wind arrows, the fronts and the rings around the centres
// all turn by it, and a full-precision pi would move their pixels.
inline constexpr double kMapPi = 3.141592;

// The pole of the projection on the canvas, above the map square: longitude
// 135 E runs straight down from it.
inline constexpr double kPoleX = 263.0;
inline constexpr double kPoleY = -237.0;

// Polar projection with the pole at canvas (kPoleX, kPoleY): longitude 135 E
// runs straight down at x = kPoleX and the radius grows southwards by a fixed
// latitude table.
class MapProjection {
public:
    // Radius in pixels for a latitude in degrees north; 0 outside 10..56.
    // The table steps by a few pixels at each 5-degree band edge (299 just
    // below 50 N, 303 at 50 N) and by 34 at 55 N; the steps are intended.
    static double LatitudeRadius(double latitude);

    // Whole-degree latitude and longitude to whole canvas pixels, halves to
    // even; (0, 0) when the latitude is off the map. Longitudes are not
    // range-checked.
    static CanvasPoint ProjectPosition(double latitude, double longitude);
};

// Free-function spellings used throughout the drawing code.
inline double LatitudeRadius(double latitude) { return MapProjection::LatitudeRadius(latitude); }
inline CanvasPoint ProjectPosition(double latitude, double longitude) {
    return MapProjection::ProjectPosition(latitude, longitude);
}

}  // namespace isobra
