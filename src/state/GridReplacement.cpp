#include "state/GridReplacement.h"

#include "model/ReportRules.h"

namespace isobra {

void ApplyObservationData(const ObservationFileData& data, AppState& state) {
    ApplyObservationFile(data, state.observations, state.field);
    state.correctionHistory.Clear();
    state.lists.RebuildFromData(state.observations);
}

void EraseAllObservations(AppState& state) {
    state.lists.EraseAll(state.observations, state.field);
    state.correctionHistory.Clear();
}

PressureSupply LandPressureSupply(const AppState& state) {
    const int count = CountLandPressures(state.observations);
    if (count == 0) return PressureSupply::None;
    return FewLandPressures(count) ? PressureSupply::Few : PressureSupply::Enough;
}

Result<GridConstructionReport> BuildPressureGrid(AppState& state) {
    Result<GridConstructionReport> result = ComputePressureGrid(state.observations, state.field);
    state.correctionHistory.Clear();
    return result;
}

}  // namespace isobra
