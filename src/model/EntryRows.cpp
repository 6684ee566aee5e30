#include "model/EntryRows.h"

#include "model/CodeTables.h"

namespace isobra {

namespace {

std::string Calm(std::int32_t force, int direction) {
    return force != 0 ? WindDirectionText(direction) : std::string(kCalmDirection);
}

}  // namespace

std::string LandRow(const LandRowTexts& t, int nameWidth) {
    return PadRight(t.name, nameWidth) + PadRight(t.direction, 6) + PadLeft(t.force, 3) + " " + PadRight(t.weather, 6) +
           PadLeft(t.pressure, 5) + PadLeft(t.temperature, 3);
}

// Numbers are written with their sign position: within the column this is
// the plain number, and an over-wide value still keeps a space before it.
std::string LandRowFromData(const ObservationSet& set, int slot, LandWeather weather) {
    const LandReport& r = set.land(slot);
    LandRowTexts t;
    t.name = set.stationName(slot);
    t.direction = Calm(r.windForce, r.windDirection);
    t.force = SignedNumber(r.windForce);
    t.weather = (HasReport(r) || weather == LandWeather::Always) ? WeatherText(r.weather) : std::string();
    t.pressure = SignedNumber(r.pressure);
    t.temperature = SignedNumber(r.temperature);
    return LandRow(t, kRebuiltNameWidth);
}

std::string ShipRow(const ShipRowTexts& t) {
    return PadLeft(t.latitude, 4) + PadLeft(t.longitude, 4) + PadRight(t.direction, 6) + PadLeft(t.force, 3) + " " +
           PadRight(t.weather, 6) + PadLeft(t.pressure, 5);
}

std::string ShipRowFromData(const ShipReport& r) {
    return ShipRow({SignedNumber(r.latitude), SignedNumber(r.longitude), Calm(r.windForce, r.windDirection),
                    SignedNumber(r.windForce), WeatherText(r.weather), SignedNumber(r.pressure)});
}

std::string FisheryRow(std::string_view latitude, std::string_view longitude, int longitudeWidth,
                       std::string_view pressure, std::string_view kind) {
    return PadLeft(latitude, 4) + PadLeft(longitude, longitudeWidth) + PadLeft(pressure, 5) + " " + std::string(kind);
}

std::string FisheryRowFromData(const FisheryEntry& e) {
    return FisheryRow(SignedNumber(e.latitude), SignedNumber(e.longitude), kRebuiltLongitudeWidth,
                      e.pressure != 0 ? SignedNumber(e.pressure) : std::string(), e.kind);
}

std::string MarkerRow(const FisheryEntry& marker) {
    return FisheryRow(SignedNumber(marker.latitude), SignedNumber(marker.longitude), kTypedLongitudeWidth, "",
                      marker.kind);
}

bool IsMarkerKind(std::string_view kind) { return kind == kFromCentreMarker || kind == kFromThereMarker; }

}  // namespace isobra
