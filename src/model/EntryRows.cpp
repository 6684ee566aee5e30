#include "model/EntryRows.h"

#include "model/CodeTables.h"
#include "model/FieldFormat.h"
#include "model/ShiftJis.h"

namespace isobra {

namespace {

std::string Calm(std::int32_t force, int direction) {
    return force != 0 ? WindDirectionText(direction) : std::string(kCalmDirection);
}

// A text left-aligned in `width` characters; the list's column holds `holds`
// full-width characters.
RowCell Text(std::string text, int width, int holds, bool spaceBefore = false) {
    return {std::move(text), width, false, spaceBefore, holds};
}

// A number right-aligned in `width` characters; the list's column holds
// `holds` digits.
RowCell Number(std::string text, int width, int holds) { return {std::move(text), width, true, false, holds}; }

}  // namespace

bool IsMarkerKind(std::string_view kind) { return kind == kFromCentreMarker || kind == kFromThereMarker; }

// Numbers are rebuilt with their sign position: within the column this is
// the plain number, and an over-wide value still keeps a space before it.
LandRow LandRowFromData(const ObservationSet& set, int slot, LandWeather weather) {
    const LandReport& r = set.land(slot);
    const bool weatherShown = HasReport(r) || weather == LandWeather::Always;
    return {.name = set.stationName(slot),
            .direction = Calm(r.windForce, r.windDirection),
            .force = SignedNumber(r.windForce),
            .weather = weatherShown ? WeatherText(r.weather) : std::string(),
            .pressure = SignedNumber(r.pressure),
            .temperature = SignedNumber(r.temperature),
            .made = RowMade::Rebuilt};
}

ShipRow ShipRowFromData(const ShipReport& r) {
    return {.latitude = SignedNumber(r.latitude),
            .longitude = SignedNumber(r.longitude),
            .direction = Calm(r.windForce, r.windDirection),
            .force = SignedNumber(r.windForce),
            .weather = WeatherText(r.weather),
            .pressure = SignedNumber(r.pressure)};
}

FisheryRow FisheryRowFromData(const FisheryEntry& e) {
    return {.latitude = SignedNumber(e.latitude),
            .longitude = SignedNumber(e.longitude),
            .pressure = e.pressure != 0 ? SignedNumber(e.pressure) : std::string(),
            .kind = e.kind,
            .made = RowMade::Rebuilt};
}

FisheryRow MarkerRow(const FisheryEntry& marker) {
    return {.latitude = SignedNumber(marker.latitude),
            .longitude = SignedNumber(marker.longitude),
            .kind = marker.kind,
            .made = RowMade::Typed};
}

// The list's columns are sized for what they hold, not for their padding:
// the built-in station names have up to 4 kanji, directions and weathers up
// to 3 kana or kanji, pressures 4 digits after the sign place, temperatures
// down to "-40". Text columns keep about one full-width character of room,
// numbers their sign place. At 12 pixels a full-width character and 6 a
// digit the land columns take 246 pixels, within the 270 or so the station
// list shows beside its scroll bar.
RowCells CellsOf(const LandRow& row) {
    if (row.nameOnly) return {Text(row.name, 0, 0)};
    return {
        Text(row.name, row.made == RowMade::Typed ? 10 : 8, 6),
        Text(row.direction, 6, 4),
        Number(row.force, 3, 3),
        Text(row.weather, 6, 4, true),
        Number(row.pressure, 5, 5),
        Number(row.temperature, 3, 4),
    };
}

RowCells CellsOf(const ShipRow& row) {
    return {
        Number(row.latitude, 4, 4), Number(row.longitude, 4, 4),   Text(row.direction, 6, 4),
        Number(row.force, 3, 3),    Text(row.weather, 6, 4, true), Number(row.pressure, 5, 5),
    };
}

RowCells CellsOf(const FisheryRow& row) {
    return {
        Number(row.latitude, 4, 4),
        Number(row.longitude, row.made == RowMade::Typed ? 4 : 5, 4),
        Number(row.pressure, 5, 5),
        Text(row.kind, 0, 0, true),
    };
}

std::string RowText(const RowCells& cells) {
    std::string text;
    for (const RowCell& cell : cells) {
        if (cell.spaceBefore) text += ' ';
        text += cell.number ? PadLeft(cell.text, cell.width) : PadRight(cell.text, cell.width);
    }
    return text;
}

std::string_view ColumnText(const RowCell& cell) {
    std::string_view text = cell.text;
    if (cell.width == 0) return text;
    if (cell.number) {
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    } else {
        while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    }
    return text;
}

bool LinesUpInColumns(const RowCells& cells) {
    if (cells.size() < 2) return false;
    for (const RowCell& cell : cells) {
        if (cell.width == 0) continue;
        if (CharacterCount(cell.text) > cell.width) return false;
        if (ColumnText(cell).find(' ') != std::string_view::npos) return false;
    }
    return true;
}

}  // namespace isobra
