#include "model/EntryRows.h"

#include "model/CodeTables.h"

namespace isobra {

namespace {

std::string Spaces(std::string_view text, int width) {
    const std::size_t have = CharCount(text);
    const std::size_t want = width > 0 ? static_cast<std::size_t>(width) : 0;
    return std::string(have < want ? want - have : 0, ' ');
}

std::string Calm(std::int32_t force, int direction) {
    return force != 0 ? WindDirectionText(direction) : std::string(kCalmDirection);
}

}  // namespace

std::size_t CharCount(std::string_view utf8) {
    std::size_t n = 0;
    for (char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;  // skip continuation bytes
    return n;
}

std::string PadRight(std::string_view text, int width) { return std::string(text) + Spaces(text, width); }

std::string PadLeft(std::string_view text, int width) { return Spaces(text, width) + std::string(text); }

std::string FieldNumber(std::int64_t value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

std::string FieldNumber(std::int64_t value, int width) { return PadLeft(FieldNumber(value), width); }

std::string LandRow(const LandRowTexts& t, int nameWidth) {
    return PadRight(t.name, nameWidth) + PadRight(t.direction, 6) + PadLeft(t.force, 3) + " " +
           PadRight(t.weather, 6) + PadLeft(t.pressure, 5) + PadLeft(t.temperature, 3);
}

// Numbers are written with their sign position: within the column this is
// the plain number, and an over-wide value still keeps a space before it.
std::string LandRowFromData(const ObservationSet& set, int slot, LandWeather weather) {
    const LandReport& r = set.land(slot);
    const bool reported = r.pressure != 0 || r.windForce != 0 || r.temperature != 0;
    LandRowTexts t;
    t.name = set.stationName(slot);
    t.direction = Calm(r.windForce, r.windDirection);
    t.force = FieldNumber(r.windForce);
    t.weather = (reported || weather == LandWeather::Always) ? WeatherText(r.weather) : std::string();
    t.pressure = FieldNumber(r.pressure);
    t.temperature = FieldNumber(r.temperature);
    return LandRow(t, kRebuiltNameWidth);
}

std::string ShipRow(const ShipRowTexts& t) {
    return PadLeft(t.latitude, 4) + PadLeft(t.longitude, 4) + PadRight(t.direction, 6) + PadLeft(t.force, 3) +
           " " + PadRight(t.weather, 6) + PadLeft(t.pressure, 5);
}

std::string ShipRowFromData(const ShipReport& r) {
    return ShipRow({FieldNumber(r.latitude), FieldNumber(r.longitude), Calm(r.windForce, r.windDirection),
                    FieldNumber(r.windForce), WeatherText(r.weather), FieldNumber(r.pressure)});
}

std::string FisheryRow(std::string_view latitude, std::string_view longitude, int longitudeWidth,
                       std::string_view pressure, std::string_view kind) {
    return PadLeft(latitude, 4) + PadLeft(longitude, longitudeWidth) + PadLeft(pressure, 5) + " " +
           std::string(kind);
}

std::string FisheryRowFromData(const FisheryEntry& e) {
    return FisheryRow(FieldNumber(e.latitude), FieldNumber(e.longitude), kRebuiltLongitudeWidth,
                      e.pressure != 0 ? FieldNumber(e.pressure) : std::string(), e.kind);
}

std::string MarkerRow(const FisheryEntry& marker) {
    return FisheryRow(FieldNumber(marker.latitude), FieldNumber(marker.longitude), kTypedLongitudeWidth, "",
                      marker.kind);
}

bool IsMarkerKind(std::string_view kind) { return kind == kFromCentreMarker || kind == kFromThereMarker; }

}  // namespace isobra
