#include "isobar/GridConstruction.h"

#include "isobar/GridPasses.h"

namespace isobra {

int CountLandPressures(const ObservationSet& observations) {
    int count = 0;
    for (int k = 0; k < observations.stationCount(); ++k)
        if (observations.land(k).pressure > 0) ++count;
    return count;
}

Result<GridConstructionReport> ComputePressureGrid(const ObservationSet& observations, PressureField& field) {
    if (Status built = BuildPlotTable(observations, field); !built) return built.failure();
    GridConstructionReport result;

    SeedCellMeans(field);
    result.leftOutIsobarPoints = ImposeIsobarEntries(field);
    if (result.leftOutIsobarPoints > 0)
        result.warnings.push_back("地図から遠く離れた等圧線の点が" + std::to_string(result.leftOutIsobarPoints) +
                                  "個あったため、その点と前後の線を使わずに計算しました。");

    InterpolatePass(field);
    FillCentreRings(field, 4);
    // Until smoothing, a node keeps the value it gets, so a pass that adds
    // no node leaves the grid as it found it and the passes after it would
    // change nothing either.
    for (int i = 0, before = CountNodesWithValue(field.pressureGrid, field.grid); i < 4; ++i) {
        const int after = InterpolatePass(field);
        if (after == before) break;
        before = after;
    }
    FillCentreRings(field, 8);
    int filled = InterpolatePass(field);

    // Fill until the map is full. A round that adds no node has reached a
    // fixed point (every later round would do the same), so it ends the loop.
    for (;;) {
        const bool stillFilling = ExtrapolateSpiral(field);
        const int now = InterpolatePass(field);
        if (!stillFilling) break;
        if (now == filled) {
            result.tooSparse = true;
            result.warnings.push_back(
                "気圧のデータが少なすぎて、地図全体を埋めることができませんでした。"
                "求められた範囲だけ等圧線を描きます。");
            break;
        }
        filled = now;
    }

    SmoothPass(field);
    SmoothCentreRings(field, 3);
    for (int i = 0; i < 3; ++i) SmoothPass(field);
    return result;
}

}  // namespace isobra
