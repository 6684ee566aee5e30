// The observation-file reader on any bytes: it refuses with a line and a
// reason or gives data that loads into the state and the entry lists.
#include "FuzzSupport.h"
#include "model/ObservationFile.h"

using namespace isobra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<ObservationFileData> parsed = ParseObservationFile(fuzz::Bytes(data, size));
    if (!parsed) {
        fuzz::Require(parsed.line() >= 1 && !parsed.message().empty(), "a refusal names a line and a reason",
                      parsed.message());
        return 0;
    }
    AppState state;
    ApplyObservationFile(*parsed, state.observations, state.field);
    state.lists.RebuildFromData(state.observations);
    fuzz::Require(state.observations.stationCount() == static_cast<int>(parsed->land.size()), "station count");
    return 0;
}
