#pragma once

#include "isobar/GridConstruction.h"
#include "model/ObservationFile.h"
#include "model/Result.h"
#include "state/AppState.h"

namespace isobra {

// The commands that replace or reset the pressure grid, beside loading an
// isobar file (state/IsobarFileLoad.h). Each also forgets the hand
// corrections of the old grid: they cannot be undone on the new one.

// An observation file read and checked whole: it replaces the observations,
// marks the grid as not computed and rebuilds the entry lists from the data.
void ApplyObservationData(const ObservationFileData& data, AppState& state);

// "消えますよｏｋ？": every report and both grids cleared, the entry lists
// emptied.
void EraseAllObservations(AppState& state);

// How "等圧線の表示" stands with the land pressures entered: with none it
// refuses; with fewer than kFewLandPressures it asks first (the batch tool
// tells of it); with enough it builds the grid at once.
enum class PressureSupply { None, Few, Enough };
PressureSupply LandPressureSupply(const AppState& state);

// "等圧線の表示": the plot table and the pressure grid built from the
// observations. The old corrections are forgotten even when this is refused.
Result<GridConstructionReport> BuildPressureGrid(AppState& state);

}  // namespace isobra
