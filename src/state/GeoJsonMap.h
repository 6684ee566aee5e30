#pragma once

#include <string>

namespace isobra {

class ObservationSet;
struct PressureField;

// The map as one GeoJSON FeatureCollection (RFC 7946: longitude, latitude in
// degrees on WGS 84), one feature a line, for GIS programs:
// - the isobars of the computed grid at the grid settings' interval, each
//   chained line a LineString with "kind": "isobar" and "pressure_hpa";
// - the fronts of the plot table, each run of one kind a LineString with
//   "kind" ("warm", "cold", "stationary", "occluded") and "name_ja";
// - its highs, lows and typhoons as Points ("high", "low", "typhoon",
//   "name_ja", "pressure_hpa" when one was given);
// - every land station with a report ("station", "name_ja") and every ship
//   the map can place ("ship") as Points with what was observed:
//   "wind_direction_deg" (whence, clockwise from north), "wind_force",
//   "weather_code" and "weather_ja", "pressure_hpa", "temperature_c".
//   A value not reported is left out, never written as 0.
// Canvas positions become places through the inverse of the projection; a
// line is broken where it runs off the projection's latitudes. Fishery items
// that still stand where their reported place projects keep that place.
std::string WriteGeoJson(const ObservationSet& observations, const PressureField& field);

}  // namespace isobra
