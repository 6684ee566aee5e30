#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "model/ObservationSet.h"

namespace isobra {

// One plotted point: canvas position ((0, 0) = none), pressure in grid units
// and, for fishery items, the kind text.
struct PlotSlot {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t pressure = 0;
    std::string kind;
    bool operator==(const PlotSlot&) const = default;
};

// Every land station, ship report and fishery item with its canvas position,
// laid out stations 0..n, ships n+1..n+s, fishery n+s+1..n+s+f. The counts it
// was built or loaded with are remembered, and everything that reads the
// table uses them rather than the live counts of the entry lists.
struct PlotTable {
    std::array<PlotSlot, kSlotCount> entries{};  // not "slots": Qt defines that word as a macro
    std::int32_t lastPlotIndex = 0;
    std::int32_t stationCount = 0;
    std::int32_t shipCount = 0;
    std::int32_t fisheryCount = 0;

    PlotSlot& slot(int k) { return entries.at(static_cast<std::size_t>(k)); }
    const PlotSlot& slot(int k) const { return entries.at(static_cast<std::size_t>(k)); }
    // The slots in use end here; kept inside the table whatever the counts
    // say, so that every loop up to it stays in the table.
    int LastSlot() const { return std::clamp(lastPlotIndex, 0, kSlotCount - 1); }
    // The first fishery slot, n + s + 1, by the remembered counts (at least 1).
    int FirstFisherySlot() const {
        return static_cast<int>(std::clamp<long long>(1LL + stationCount + shipCount, 1, kSlotCount));
    }
    bool operator==(const PlotTable&) const = default;
};

}  // namespace isobra
