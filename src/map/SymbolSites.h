#pragma once

#include <vector>

namespace isobra {

class AppState;
class ObservationSet;
struct PlotTable;

// One place that gets a weather symbol and a wind arrow: a canvas position
// and the report drawn there.
struct SymbolSite {
    int x = 0;
    int y = 0;
    int weather = 0;
    int windDirection = 0;
    int windForce = 0;
};

// The stations and ships that carry symbols, in drawing order: stations 0..4
// and every fourth station from 7 to 43 whatever the station count, stations
// 44..stationCount-2, then the ships. Station positions are the fixed table positions; ship positions come
// from the plot table of the last isobar construction, so a ship entered
// since then has no position yet and is left out. Sites without a position
// (a coordinate of 0) are left out too, and "富士山" never carries symbols.
std::vector<SymbolSite> CollectSymbolSites(const AppState& state);
std::vector<SymbolSite> CollectSymbolSites(const ObservationSet& observations, const PlotTable& plot);

}  // namespace isobra
