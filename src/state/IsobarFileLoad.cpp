#include "state/IsobarFileLoad.h"

#include "isobar/IsobarFile.h"
#include "model/FileAccess.h"

namespace isobra {

Status LoadIsobarFile(const std::string& path, int stationCount, AppState& state) {
    const Result<std::string> bytes = ReadWholeFile(path);
    // The reader gives a reason phrase; the parser's failures are sentences.
    if (!bytes) return Status::Fail(bytes.message() + "。");
    return ApplyIsobarBytes(*bytes, stationCount, state);
}

Status ApplyIsobarBytes(std::string_view bytes, int stationCount, AppState& state) {
    const Result<IsobarFileData> data = ParseIsobarFile(bytes, state.field.grid, stationCount);
    if (!data) return data.failure();
    if (Status applied = ApplyIsobarFile(*data, stationCount, state.field); !applied) return applied;
    state.observations.SetStationCount(stationCount);
    // A new grid: the corrections of the old one cannot be undone on it.
    state.correctionHistory.Clear();
    return {};
}

}  // namespace isobra
