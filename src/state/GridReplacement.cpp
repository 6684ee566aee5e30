#include "state/GridReplacement.h"

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

Result<GridConstructionReport> BuildPressureGrid(AppState& state) {
    Result<GridConstructionReport> result = ComputePressureGrid(state.observations, state.field);
    state.correctionHistory.Clear();
    return result;
}

}  // namespace isobra
