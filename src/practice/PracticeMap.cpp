#include "practice/PracticeMap.h"

#include "model/ReportRules.h"
#include "state/GridReplacement.h"
#include "state/IsobarLayer.h"
#include "state/MapLayers.h"
#include "widgets/QImageCanvas.h"
#include "widgets/QtText.h"

namespace isobra {

PracticeMap DrawPracticeMap(const AppState& program, const ObservationFileData& data) {
    AppState state = program;
    ApplyObservationData(data, state);
    QImageCanvas canvas;
    PracticeMap map;
    DrawMapLayer(canvas, state);
    if (CountLandPressures(state.observations) == 0) {
        map.note = QStringLiteral("気圧が入力されていないので、等圧線はありません。");
    } else if (const Result<GridConstructionReport> built = BuildPressureGrid(state); built) {
        DrawIsobarLayer(canvas, state);
        for (const std::string& warning : built->warnings) map.note += ToQ(warning);
    } else {
        map.note = ToQ(built.message());
    }
    DrawSymbolLayer(canvas, state);
    DrawWindLayer(canvas, state);
    DrawFrontLayer(canvas, state);
    map.picture = canvas.Composite().copy(0, 0, kMapSize, kMapSize);
    return map;
}

}  // namespace isobra
