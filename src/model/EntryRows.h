#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/FieldFormat.h"
#include "model/ObservationSet.h"

namespace isobra {

// The rows of the three entry lists. Texts are UTF-8; every width is counted
// in characters (code points), so a kanji counts 1 like an ASCII digit
// (PadLeft, PadRight and FieldNumber of FieldFormat.h). A text wider than its
// column is written in full and the row grows.

// Shown in the direction column when the wind force is 0 (calm).
inline constexpr std::string_view kCalmDirection = "　　　";  // three U+3000

// Marker kinds the fishery list writes for the start of a front.
inline constexpr std::string_view kFromCentreMarker = "中心から";
inline constexpr std::string_view kFromThereMarker = "そこから";

// Name column: 10 in rows typed on the land form, 8 in rows rebuilt from data.
inline constexpr int kTypedNameWidth = 10;
inline constexpr int kRebuiltNameWidth = 8;
// Longitude column of fishery rows: 4 when typed (or a marker), 5 when rebuilt.
inline constexpr int kTypedLongitudeWidth = 4;
inline constexpr int kRebuiltLongitudeWidth = 5;

// The pieces of a land row as texts, exactly as they are to appear.
struct LandRowTexts {
    std::string name;
    std::string direction;  // kCalmDirection when the force is 0
    std::string force;
    std::string weather;
    std::string pressure;
    std::string temperature;
};
std::string LandRow(const LandRowTexts& texts, int nameWidth);

// Whether a rebuilt land row shows the weather of a station without a report
// (pressure, force and temperature all 0): the form leaves it empty, the
// observation file loader shows it, since the file stores "不明" for such a
// station.
enum class LandWeather { OnlyWithReport, Always };
std::string LandRowFromData(const ObservationSet& set, int slot, LandWeather weather);

struct ShipRowTexts {
    std::string latitude;
    std::string longitude;
    std::string direction;  // kCalmDirection when the force is 0
    std::string force;
    std::string weather;
    std::string pressure;
};
std::string ShipRow(const ShipRowTexts& texts);
// The weather is shown whatever the other values; an unknown code shows "".
std::string ShipRowFromData(const ShipReport& report);

// latitude (4) longitude (longitudeWidth) pressure (5) " " kind (not padded).
std::string FisheryRow(std::string_view latitude, std::string_view longitude, int longitudeWidth,
                       std::string_view pressure, std::string_view kind);
// A pressure of 0 (front points, markers) shows as an empty column.
std::string FisheryRowFromData(const FisheryEntry& entry);
// The row a marker button writes: the position of the entry before it, no pressure.
std::string MarkerRow(const FisheryEntry& marker);

bool IsMarkerKind(std::string_view kind);

}  // namespace isobra
