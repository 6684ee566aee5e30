#pragma once

#include <cstdint>

namespace isobra {

// Grid units are hundredths of a hPa (1012 hPa is 101200).
struct GridSettings {
    std::int32_t gridMaxX = 25;  // nodes ix = 0..25
    std::int32_t gridMaxY = 25;
    std::int32_t cellWidth = 16;  // canvas pixels between nodes: 400 / 25
    std::int32_t cellHeight = 16;
    std::int32_t pressureScale = 100;  // hPa -> grid units
    float isobarInterval = 200.0f;     // 2 hPa
    float isobarHalfInterval = 100.0f;

    bool operator==(const GridSettings&) const = default;
};

}  // namespace isobra
