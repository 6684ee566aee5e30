// The whole road of a map: load an observation file, build the pressure
// grid, trace and draw every layer, save the isobar file and the
// observations, load both again. Whatever the program writes, it reads back
// with the same grid and items. Run with a time limit per input (scripts/fuzz
// sets one), so a construction or drawing that hangs is caught too.
#include "FuzzSupport.h"
#include "isobar/GridConstruction.h"
#include "isobar/IsobarFile.h"
#include "model/ObservationFile.h"

using namespace isobra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Result<ObservationFileData> parsed = ParseObservationFile(fuzz::Bytes(data, size));
    if (!parsed) return 0;
    AppState state;
    ApplyObservationFile(*parsed, state.observations, state.field);
    if (CountLandPressures(state.observations) == 0) return 0;  // the command stops before building
    if (!ComputePressureGrid(state.observations, state.field)) return 0;
    fuzz::DrawEverything(state);

    const int stations = state.observations.stationCount();
    const Result<std::string> saved = WriteIsobarFile(state.field);
    fuzz::Require(saved.ok(), "the isobar file of a built grid is written", saved.message());
    const Result<IsobarFileData> back = ParseIsobarFile(*saved, state.field.grid, stations);
    fuzz::Require(back.ok(), "the isobar file the program wrote reads back", back.message());
    AppState loaded;
    fuzz::Require(ApplyIsobarFile(*back, stations, loaded.field).ok(), "and loads");
    // The file carries the nodes of the map; what an isobar point beyond the
    // map left in the rest of the table is never drawn nor saved.
    for (int iy = 0; iy <= state.field.grid.gridMaxY; ++iy)
        for (int ix = 0; ix <= state.field.grid.gridMaxX; ++ix)
            fuzz::Require(loaded.field.pressureGrid.at(ix, iy) == state.field.pressureGrid.at(ix, iy),
                          "with the same grid");
    fuzz::Require(IsobarFileItems(loaded.field.plotTable) == IsobarFileItems(state.field.plotTable),
                  "with the same centres and fronts");

    NormaliseForSave(state.observations);
    const Result<std::string> observations = WriteObservationFile(state.observations);
    fuzz::Require(observations.ok(), "the observations are written", observations.message());
    const Result<ObservationFileData> again = ParseObservationFile(*observations);
    fuzz::Require(again.ok(), "the observation file the program wrote reads back", again.message());
    return 0;
}
