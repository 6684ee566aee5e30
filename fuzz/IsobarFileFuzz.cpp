// The isobar-file reader on any bytes: it refuses with a line and a reason
// or gives data that loads and draws (isobars, centre letters, fronts)
// within the time limit, however far its items lie. The isobars with their
// values are LabelledMapFuzz's.
#include "FuzzSupport.h"
#include "isobar/IsobarFile.h"

using namespace isobra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AppState state;
    const int stations = state.observations.stationCount();
    const Result<IsobarFileData> parsed = ParseIsobarFile(fuzz::Bytes(data, size), state.field.grid, stations);
    if (!parsed) {
        fuzz::Require(parsed.line() >= 1 && !parsed.message().empty(), "a refusal names a line and a reason",
                      parsed.message());
        return 0;
    }
    fuzz::Require(ApplyIsobarFile(*parsed, stations, state.field).ok(), "what the reader gives, the load takes");
    fuzz::DrawEverything(state);
    return 0;
}
