// Both file formats: what a reader accepts, the writer writes, and the
// reader reads that back to the same data (but for what the writer is meant
// to drop or normalise), and writing it again gives the same bytes.
#include <algorithm>

#include "FuzzSupport.h"
#include "isobar/IsobarFile.h"
#include "model/CodeTables.h"
#include "model/ObservationFile.h"
#include "model/PlotKinds.h"

using namespace isobra;

namespace {

// What a save keeps of a report: negative codes and pressures become 0, the
// direction of calm is not written, a report without values reads "不明".
template <class Report, class NoReport>
Report Saved(Report r, NoReport noReport) {
    for (std::int32_t* v : {&r.windDirection, &r.windForce, &r.weather, &r.pressure}) *v = std::max(*v, 0);
    if (r.windForce == 0) r.windDirection = 0;
    if (noReport(r)) r.weather = kWeatherUnknown;
    return r;
}

ObservationFileData WhatASaveKeeps(ObservationFileData d) {
    for (std::size_t k = 0; k < d.land.size(); ++k) {
        LandReport& r = d.land[k];
        if (d.stationNames[k] == "富士山") r.pressure = 0;  // its pressure is never saved
        r = Saved(r, [](const LandReport& x) { return x.pressure <= 0 && x.windForce <= 0 && x.temperature == 0; });
    }
    for (ShipReport& r : d.ships) r = Saved(r, [](const ShipReport& x) { return x.pressure <= 0 && x.windForce <= 0; });
    for (FisheryEntry& e : d.fishery) e.pressure = std::max(e.pressure, 0);
    return d;
}

std::string Written(const ObservationFileData& d) {
    AppState state;
    ApplyObservationFile(d, state.observations, state.field);
    NormaliseForSave(state.observations);
    const Result<std::string> bytes = WriteObservationFile(state.observations);
    fuzz::Require(bytes.ok(), "what the observation reader accepts, its writer writes", bytes.message());
    return *bytes;
}

void ObservationRoundTrip(std::string_view input) {
    const Result<ObservationFileData> first = ParseObservationFile(input);
    if (!first) return;
    const std::string written = Written(*first);
    const Result<ObservationFileData> back = ParseObservationFile(written);
    fuzz::Require(back.ok(), "the observation reader reads what its writer wrote", back.message());
    const ObservationFileData kept = WhatASaveKeeps(*first);
    fuzz::Require(back->stationNames == kept.stationNames, "station names read back");
    fuzz::Require(back->land == kept.land, "land reports read back");
    fuzz::Require(back->ships == kept.ships, "ship reports read back");
    fuzz::Require(back->fishery == kept.fishery, "fishery entries read back");
    fuzz::Require(Written(*back) == written, "a second save writes the same bytes");
}

std::string Written(const IsobarFileData& d) {
    AppState state;
    fuzz::Require(ApplyIsobarFile(d, state.observations.stationCount(), state.field).ok(), "the load takes it");
    const Result<std::string> bytes = WriteIsobarFile(state.field);
    fuzz::Require(bytes.ok(), "what the isobar reader accepts, its writer writes", bytes.message());
    return *bytes;
}

void IsobarRoundTrip(std::string_view input) {
    static const int stations = AppState{}.observations.stationCount();
    const Result<IsobarFileData> first = ParseIsobarFile(input, GridSettings{}, stations);
    if (!first) return;
    const std::string written = Written(*first);
    const Result<IsobarFileData> back = ParseIsobarFile(written, GridSettings{}, stations);
    fuzz::Require(back.ok(), "the isobar reader reads what its writer wrote", back.message());
    fuzz::Require(back->grid == first->grid, "the grid reads back");
    // The file keeps centres and fronts; other kinds are not saved again.
    std::vector<IsobarFileItem> kept;
    for (const IsobarFileItem& item : first->items)
        if (IsCentreKind(item.kind) || IsFrontKind(item.kind)) kept.push_back(item);
    fuzz::Require(back->items == kept, "the centres and fronts read back");
    fuzz::Require(Written(*back) == written, "a second save writes the same bytes");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ObservationRoundTrip(fuzz::Bytes(data, size));
    IsobarRoundTrip(fuzz::Bytes(data, size));
    return 0;
}
