#pragma once

#include "model/ObservationSet.h"

namespace isobra {

inline constexpr int kBuiltInStationCount = 54;
inline constexpr int kFujisanSlot = 53;  // "富士山": its pressure is never saved or plotted

// Fills station slots 0..53 with the built-in names and canvas positions and
// sets stationCount to 54. Reports are left as they are.
void InitStationTable(ObservationSet& set);

}  // namespace isobra
