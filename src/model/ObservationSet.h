#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace isobra {

// Every table holds 101 slots, 0..100; no count may exceed 101.
inline constexpr int kSlotCount = 101;

// Canvas pixel position; (0, 0) means "no position".
struct CanvasPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const CanvasPoint&) const = default;
};

// Pressure in whole hPa (0 = not reported); temperature in whole degrees C.
struct LandReport {
    std::int32_t windDirection = 0;  // WindDirection code 0..15
    std::int32_t windForce = 0;      // 0..12, 0 = calm
    std::int32_t weather = 0;        // WeatherKind code 0..10
    std::int32_t pressure = 0;
    std::int32_t temperature = 0;
    bool operator==(const LandReport&) const = default;
};

// A station whose pressure, wind force and temperature are all 0 has sent no
// report: its weather code means nothing.
inline bool HasReport(const LandReport& r) { return r.pressure != 0 || r.windForce != 0 || r.temperature != 0; }

struct ShipReport {
    std::int32_t latitude = 0;   // whole degrees north
    std::int32_t longitude = 0;  // whole degrees east
    std::int32_t windDirection = 0;
    std::int32_t windForce = 0;
    std::int32_t weather = 0;
    std::int32_t pressure = 0;
    bool operator==(const ShipReport&) const = default;
};

struct FisheryEntry {
    std::string kind;  // "高気圧", "低気圧", "台風", a front kind, "等圧線", "中心から", "そこから"
    std::int32_t latitude = 0;
    std::int32_t longitude = 0;
    std::int32_t pressure = 0;  // whole hPa; the two point markers carry 0
    bool operator==(const FisheryEntry&) const = default;
};

// All observations of one weather map. Texts are UTF-8.
//
// The three counts always lie in 0..101, so every slot below a count exists:
// a count cannot be set outside that range. The entry lists set the ship and
// fishery counts as their rows change and the station count when a report is
// saved; a file load sets all three. A slot index outside 0..100 is a fault of
// the program, not of its input: callers that take slots from files or lists
// check them first, and the accessors stop such a fault with
// std::out_of_range instead of touching memory they do not own.
class ObservationSet {
public:
    std::string& stationName(int slot) { return names_.at(Index(slot)); }
    const std::string& stationName(int slot) const { return names_.at(Index(slot)); }
    CanvasPoint& stationPosition(int slot) { return positions_.at(Index(slot)); }
    const CanvasPoint& stationPosition(int slot) const { return positions_.at(Index(slot)); }
    LandReport& land(int slot) { return land_.at(Index(slot)); }
    const LandReport& land(int slot) const { return land_.at(Index(slot)); }
    ShipReport& ship(int slot) { return ships_.at(Index(slot)); }
    const ShipReport& ship(int slot) const { return ships_.at(Index(slot)); }
    FisheryEntry& fishery(int slot) { return fishery_.at(Index(slot)); }
    const FisheryEntry& fishery(int slot) const { return fishery_.at(Index(slot)); }

    static bool IsSlot(int slot) { return slot >= 0 && slot < kSlotCount; }

    int stationCount() const { return stationCount_; }
    int shipCount() const { return shipCount_; }
    int fisheryCount() const { return fisheryCount_; }
    // Counts outside 0..101 are brought to the nearer end.
    void SetStationCount(int count) { stationCount_ = Fit(count); }
    void SetShipCount(int count) { shipCount_ = Fit(count); }
    void SetFisheryCount(int count) { fisheryCount_ = Fit(count); }

    // The ship and fishery slots in use lose their values (wind, weather,
    // pressure); their positions and kinds stay.
    void ClearShipAndFisheryValues() {
        for (int k = 0; k < shipCount_; ++k) {
            ShipReport& s = ships_[static_cast<std::size_t>(k)];
            s.windDirection = s.windForce = s.weather = s.pressure = 0;
        }
        for (int k = 0; k < fisheryCount_; ++k) fishery_[static_cast<std::size_t>(k)].pressure = 0;
    }

    std::string observationDate;

private:
    static std::size_t Index(int slot) { return slot < 0 ? kSlotCount : static_cast<std::size_t>(slot); }
    static std::int16_t Fit(int count) {
        return static_cast<std::int16_t>(count < 0 ? 0 : count > kSlotCount ? kSlotCount : count);
    }

    std::int16_t stationCount_ = 0;
    std::int16_t shipCount_ = 0;
    std::int16_t fisheryCount_ = 0;
    std::array<std::string, kSlotCount> names_{};
    std::array<CanvasPoint, kSlotCount> positions_{};
    std::array<LandReport, kSlotCount> land_{};
    std::array<ShipReport, kSlotCount> ships_{};
    std::array<FisheryEntry, kSlotCount> fishery_{};
};

}  // namespace isobra
