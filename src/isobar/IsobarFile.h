#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/PressureField.h"
#include "model/Result.h"

namespace isobra {

// The isobar file (*.cnt): the grid rows top first, each value as a number
// field (" 101200 ", sign position in front, one space behind) separated by
// commas; then the count of items and one line per high, low, typhoon or
// front: kind, x, y in canvas pixels. CP932 with CR LF line ends.

struct IsobarFileItem {
    std::string kind;
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const IsobarFileItem&) const = default;
};

struct IsobarFileData {
    // Rows iy = 0..gridMaxY of gridMaxX + 1 values, row by row.
    std::vector<std::int32_t> grid;
    std::vector<IsobarFileItem> items;
};

// The centres and fronts among the fishery slots of the plot table, in slot
// order, as the file lists them.
std::vector<IsobarFileItem> IsobarFileItems(const PlotTable& table);

// The file's bytes for the grid and plot table. Fails when a value lies
// beyond what ParseIsobarFile takes, so that no file is written that could
// not be read back.
Result<std::string> WriteIsobarFile(const PressureField& field);

// Reads a whole file for a grid of these settings, to be loaded after
// `stationCount` stations. Refused with line and reason: a file that ends
// early or whose last line has no line end, bytes that are not CP932, a value beyond +-9999999, or more items
// than the plot table holds after the stations (100 - stationCount).
Result<IsobarFileData> ParseIsobarFile(std::string_view bytes, const GridSettings& settings, int stationCount);

// Replaces the grid by the file's and puts the items into the plot table
// after the `stationCount` stations; the table then remembers no ships and
// the file's items. Item pressures, the centre marks and the observations
// stay as they are. Refused, changing nothing, when the data do not fit
// (they come from ParseIsobarFile for another station count or grid size).
Status ApplyIsobarFile(const IsobarFileData& data, int stationCount, PressureField& field);

}  // namespace isobra
