#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/ObservationSet.h"
#include "model/PressureField.h"
#include "model/Result.h"

namespace isobra {

// The observation file (*.dat): three titled sections (land stations, ship
// reports, fishery weather), one line per entry, fields padded by character
// count and separated by commas, CP932 with CR LF line ends.

// Everything an observation file holds, read completely before any of it is
// applied. The counts are the sizes of the lists.
struct ObservationFileData {
    std::vector<std::string> stationNames;
    std::vector<LandReport> land;
    std::vector<ShipReport> ships;
    std::vector<FisheryEntry> fishery;
};

// The file's bytes for the set's counts and reports. Fails (with a Japanese
// message) when a name or kind cannot be written in CP932, holds a comma or
// a line break, or a count does not fit the tables. Normalise first.
Result<std::string> WriteObservationFile(const ObservationSet& set);

// Reads a whole file. Unknown directions read as north (0), unknown weather
// as "不明", empty or non-numeric numbers as 0. Refused with line and reason:
// a file that ends early or whose last line has no line end, a count outside
// 0..101, bytes that are not CP932, a pressure beyond +-9999 hPa (what its
// column holds), another value beyond +-99999.
Result<ObservationFileData> ParseObservationFile(std::string_view bytes);

// Replaces the observations by the file's data: names and reports of the
// slots read, the three counts. Ship and fishery slots of the lists before
// the load lose their values first. The plot table is reset to the stations
// and the grid marked as not computed. The station positions stay.
void ApplyObservationFile(const ObservationFileData& data, ObservationSet& observations, PressureField& field);

// Before saving: negative directions, forces, weather codes and pressures
// of the land and ship reports in use, and negative fishery pressures, become
// 0. Temperatures are never changed.
void NormaliseForSave(ObservationSet& set);

}  // namespace isobra
