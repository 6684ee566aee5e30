#pragma once

#include <string>
#include <vector>

#include "model/ObservationSet.h"
#include "model/PressureField.h"
#include "model/Result.h"

namespace isobra {

// What a construction of the pressure grid noticed on its way. The warnings
// are Japanese texts for the user, in the order they arose; the core shows
// nothing.
struct GridConstructionReport {
    bool tooSparse = false;  // filling stopped before the map was full
    int leftOutIsobarPoints = 0;
    std::vector<std::string> warnings;
};

// Land stations 0..stationCount-1 with a pressure above 0. Ship and fishery
// pressures are not counted.
int CountLandPressures(const ObservationSet& observations);

// Builds the plot table from the observations and computes the pressure
// grid: cell means, isobar points, then interpolation, centre rings and
// extrapolation until the map is full or a round adds nothing, then
// smoothing. Drawing is the caller's next step. Refused, changing nothing,
// when the observations do not fit the plot table.
Result<GridConstructionReport> ComputePressureGrid(const ObservationSet& observations, PressureField& field);

}  // namespace isobra
