#pragma once

namespace isobra {

// What a press on the map does: nothing, raise, lower or read the pressure
// at the nearest grid node, or draw a north-south or east-west cloud
// cross-section through the point.
enum class MouseMode { None, Raise, Lower, Inspect, NorthSouth, EastWest };

inline bool IsCorrectionMode(MouseMode mode) {
    return mode == MouseMode::Raise || mode == MouseMode::Lower || mode == MouseMode::Inspect;
}
inline bool IsCrossSectionMode(MouseMode mode) { return mode == MouseMode::NorthSouth || mode == MouseMode::EastWest; }

}  // namespace isobra
