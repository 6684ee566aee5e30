#pragma once

#include <optional>

namespace isobra {

// A place on the earth: degrees north and degrees east. Longitudes past
// 180 E read as negative (west), as GIS programs want them; the projection
// takes them as degrees east (add 360), for its meridians turn by 0.9 of the
// longitude and so do not come round again after 360 degrees.
struct GeoPosition {
    double latitude = 0.0;
    double longitude = 0.0;
};

// A fractional canvas position, in the units of the projection: the whole
// numbers are the centres of the canvas pixels.
struct MapPoint {
    double x = 0.0;
    double y = 0.0;
};

// The map projection without its rounding to whole pixels; nothing when the
// latitude is off the map (outside 10..56).
std::optional<MapPoint> ProjectPrecisely(double latitude, double longitude);

// The latitude whose table radius is `radius`, nothing where no latitude of
// 10..56 has it. Within a band the table is linear and the answer exact. At
// a band edge the radius steps outwards (299 just below 50 N, 303 at 50 N),
// so the radii just inside a step belong to two latitudes, one either side of
// the edge; the one nearer the edge is taken. The largest such fold is the
// one at 55 N, where 55..56 N lie on the radii of 51.4..52 N.
std::optional<double> LatitudeOfRadius(double radius);

// Canvas to earth: the place that projects precisely onto (x, y), or nothing
// where no latitude of the map does (north of about 55 N on the central
// meridian, south of 10 N, and above the pole).
std::optional<GeoPosition> UnprojectPosition(double x, double y);

}  // namespace isobra
