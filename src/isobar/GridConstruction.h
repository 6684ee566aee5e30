#pragma once

#include <string>
#include <vector>

namespace isobra {

class AppState;
class ObservationSet;

// How a construction of the pressure grid went. The messages are Japanese
// texts for the user, in the order they arose; the core shows nothing.
struct GridConstructionResult {
    bool built = false;      // false: refused, nothing in memory changed
    bool tooSparse = false;  // filling stopped before the map was full
    int leftOutIsobarPoints = 0;
    std::vector<std::string> messages;
};

// Land stations 0..stationCount-1 with a pressure above 0. Ship and fishery
// pressures are not counted.
int CountLandPressures(const ObservationSet& observations);

// Builds the plot table from the observations (with the counts they hold
// now: the caller takes the ship and fishery counts from the entry lists
// first) and computes the pressure grid: cell means, isobar points, then
// interpolation, centre rings and extrapolation until the map is full or a
// round adds nothing, then smoothing. Drawing is the caller's next step.
GridConstructionResult ComputePressureGrid(AppState& state);

}  // namespace isobra
