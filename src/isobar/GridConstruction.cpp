#include "isobar/GridConstruction.h"

#include "isobar/GridPasses.h"
#include "model/AppState.h"

namespace isobra {

int CountLandPressures(const ObservationSet& observations) {
    int count = 0;
    for (int k = 0; k < observations.stationCount && ObservationSet::IsSlot(k); ++k)
        if (observations.land(k).pressure > 0) ++count;
    return count;
}

GridConstructionResult ComputePressureGrid(AppState& state) {
    GridConstructionResult result;
    const ObservationSet& obs = state.observations;
    if (!BuildPlotTable(state)) {
        const int total = obs.stationCount + obs.shipCount + obs.fisheryCount;
        result.messages.push_back("地点、船舶の報告、漁業気象の合計が" + std::to_string(total) +
                                  "件あり、100件までしか扱えないため、等圧線を計算できません。"
                                  "船舶の報告か漁業気象の数を減らしてください。");
        return result;
    }
    result.built = true;

    SeedCellMeans(state);
    result.leftOutIsobarPoints = ImposeIsobarEntries(state);
    if (result.leftOutIsobarPoints > 0)
        result.messages.push_back("地図から遠く離れた等圧線の点が" + std::to_string(result.leftOutIsobarPoints) +
                                  "個あったため、その点と前後の線を使わずに計算しました。");

    InterpolatePass(state);
    FillCentreRings(state, 4);
    // Until smoothing, a node keeps the value it gets, so a pass that adds
    // no node leaves the grid as it found it and the passes after it would
    // change nothing either.
    for (int i = 0, before = CountNodesWithValue(state.pressureGrid, state.grid); i < 4; ++i) {
        const int after = InterpolatePass(state);
        if (after == before) break;
        before = after;
    }
    FillCentreRings(state, 8);
    int filled = InterpolatePass(state);

    // Fill until the map is full. A round that adds no node has reached a
    // fixed point (every later round would do the same), so it ends the loop.
    for (;;) {
        const int status = ExtrapolateSpiral(state);
        const int now = InterpolatePass(state);
        if (status == -1) break;
        if (now == filled) {
            result.tooSparse = true;
            result.messages.push_back(
                "気圧のデータが少なすぎて、地図全体を埋めることができませんでした。"
                "求められた範囲だけ等圧線を描きます。");
            break;
        }
        filled = now;
    }

    SmoothPass(state);
    SmoothCentreRings(state, 3);
    for (int i = 0; i < 3; ++i) SmoothPass(state);
    return result;
}

}  // namespace isobra
