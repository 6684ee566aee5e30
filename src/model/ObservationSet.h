#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace isobra {

// Every table holds 101 slots, 0..100; no count may exceed 101.
inline constexpr int kSlotCount = 101;

// Raised when a slot index outside 0..100 is used. Callers that take indices
// from files or lists catch it and tell the user; it never reaches a Qt slot.
class SlotError : public std::out_of_range {
public:
    explicit SlotError(int slot);
    int slot() const { return slot_; }

private:
    int slot_;
};

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
class ObservationSet {
public:
    std::string& stationName(int slot) { return names_[Check(slot)]; }
    const std::string& stationName(int slot) const { return names_[Check(slot)]; }
    CanvasPoint& stationPosition(int slot) { return positions_[Check(slot)]; }
    const CanvasPoint& stationPosition(int slot) const { return positions_[Check(slot)]; }
    LandReport& land(int slot) { return land_[Check(slot)]; }
    const LandReport& land(int slot) const { return land_[Check(slot)]; }
    ShipReport& ship(int slot) { return ships_[Check(slot)]; }
    const ShipReport& ship(int slot) const { return ships_[Check(slot)]; }
    FisheryEntry& fishery(int slot) { return fishery_[Check(slot)]; }
    const FisheryEntry& fishery(int slot) const { return fishery_[Check(slot)]; }

    static bool IsSlot(int slot) { return slot >= 0 && slot < kSlotCount; }
    // A count is valid when it fits the 101 slots.
    static bool IsCount(int count) { return count >= 0 && count <= kSlotCount; }

    std::int16_t stationCount = 0;
    std::int16_t shipCount = 0;
    std::int16_t fisheryCount = 0;
    std::string observationDate;

private:
    static int Check(int slot);

    std::array<std::string, kSlotCount> names_{};
    std::array<CanvasPoint, kSlotCount> positions_{};
    std::array<LandReport, kSlotCount> land_{};
    std::array<ShipReport, kSlotCount> ships_{};
    std::array<FisheryEntry, kSlotCount> fishery_{};
};

}  // namespace isobra
