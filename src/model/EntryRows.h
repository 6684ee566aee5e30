#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/ObservationSet.h"

namespace isobra {

// The rows of the three entry lists. A row keeps its fields as texts, as
// typed on the form or as rebuilt from the data; texts are UTF-8. The columns
// of a row (CellsOf) and its text (RowText) are made from the fields here and
// nowhere else.

// Shown in the direction column when the wind force is 0 (calm).
inline constexpr std::string_view kCalmDirection = "　　　";  // three U+3000

// Marker kinds the fishery list writes for the start of a front.
inline constexpr std::string_view kFromCentreMarker = "中心から";
inline constexpr std::string_view kFromThereMarker = "そこから";
bool IsMarkerKind(std::string_view kind);

// Typed on a form (a marker button counts as typing) or rebuilt from the
// data. The two differ in one width: a land name takes 10 characters typed
// and 8 rebuilt, a fishery longitude 4 typed and 5 rebuilt.
enum class RowMade { Typed, Rebuilt };

struct LandRow {
    std::string name;
    std::string direction;  // kCalmDirection when the force is 0
    std::string force;
    std::string weather;
    std::string pressure;
    std::string temperature;
    RowMade made = RowMade::Typed;
    bool nameOnly = false;  // no report yet: the row is the station's name alone
};

struct ShipRow {
    std::string latitude;
    std::string longitude;
    std::string direction;  // kCalmDirection when the force is 0
    std::string force;
    std::string weather;
    std::string pressure;
};

struct FisheryRow {
    std::string latitude;
    std::string longitude;
    std::string pressure;  // empty for front points and markers
    std::string kind;
    RowMade made = RowMade::Typed;
};

// Whether a rebuilt land row shows the weather of a station without a report
// (pressure, force and temperature all 0): the form leaves it empty, the
// observation file loader shows it, since the file stores "不明" for such a
// station.
enum class LandWeather { OnlyWithReport, Always };
LandRow LandRowFromData(const ObservationSet& set, int slot, LandWeather weather);
// The weather is shown whatever the other values; an unknown code shows "".
ShipRow ShipRowFromData(const ShipReport& report);
// A pressure of 0 (front points, markers) shows as an empty column.
FisheryRow FisheryRowFromData(const FisheryEntry& entry);
// The row a marker button writes: the position of the entry before it, no
// pressure.
FisheryRow MarkerRow(const FisheryEntry& marker);

// One column of a row.
struct RowCell {
    std::string text;
    // Characters the text is padded to with spaces, counted in code points
    // (a kanji counts 1 like a digit); 0: the text as it stands, last in the
    // row. A text wider than its column is written in full and the row grows.
    int width = 0;
    bool number = false;       // padded on the left, else on the right
    bool spaceBefore = false;  // one space stands before it in the row's text
    // What the list's column is sized for, in full-width characters for a
    // text and in digits for a number; 0: as wide as its text.
    int holds = 0;
    bool operator==(const RowCell&) const = default;
};
using RowCells = std::vector<RowCell>;

RowCells CellsOf(const LandRow& row);
RowCells CellsOf(const ShipRow& row);
RowCells CellsOf(const FisheryRow& row);

// The row as the list shows it in text.
std::string RowText(const RowCells& cells);

// What the column shows: the text without the spaces on its padding side
// (" 3" rebuilt with its sign position shows "3").
std::string_view ColumnText(const RowCell& cell);

// Whether the list may line the row up in columns: a row of more than one
// cell (not a bare station name), every text within its width and with no
// space left inside, which would read as a gap between columns. Other rows
// are shown as their text.
bool LinesUpInColumns(const RowCells& cells);

}  // namespace isobra
