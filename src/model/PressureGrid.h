#pragma once

#include <array>
#include <cstdint>

namespace isobra {

// The largest magnitude a node of the pressure grid may hold, in grid units
// (hundredths of a hPa): what the isobar file carries, and small enough that
// the passes' 32-bit sums of up to 101 values cannot overflow. Real pressures
// stay a hundred times below it.
inline constexpr std::int32_t kGridValueLimit = 9999999;

// A 31 x 31 table of 32-bit integers indexed (ix, iy), 0..30 each; only
// 0..gridMaxX x 0..gridMaxY is used. Access outside 0..30 throws
// std::out_of_range instead of touching memory it does not own.
class NodeTable {
public:
    static constexpr int kSize = 31;

    std::int32_t& at(int ix, int iy) { return cells_.at(Index(ix, iy)); }
    std::int32_t at(int ix, int iy) const { return cells_.at(Index(ix, iy)); }
    static bool Contains(int ix, int iy) { return ix >= 0 && iy >= 0 && ix < kSize && iy < kSize; }
    void Fill(std::int32_t v) { cells_.fill(v); }
    // Unchecked row-major storage, node (ix, iy) at iy * kSize + ix, for the
    // inner loops of the grid passes, which keep their indices inside the
    // table themselves.
    std::int32_t* raw() { return cells_.data(); }
    const std::int32_t* raw() const { return cells_.data(); }
    bool operator==(const NodeTable&) const = default;

private:
    static std::size_t Index(int ix, int iy) {
        if (!Contains(ix, iy)) return static_cast<std::size_t>(kSize) * kSize;  // .at() throws
        return static_cast<std::size_t>(iy) * kSize + static_cast<std::size_t>(ix);
    }
    std::array<std::int32_t, kSize * kSize> cells_{};
};

// Pressures in grid units; 0 = no value yet. The grid counts as computed
// while node (0, 0) holds a value above 0.
struct PressureGrid : NodeTable {
    bool IsComputed() const { return at(0, 0) > 0; }
    void MarkNotComputed() { at(0, 0) = 0; }
};

// Results of a pass before they are copied into the PressureGrid.
struct WorkGrid : NodeTable {};

// -1 where a node's cell holds the centre of a high, low or typhoon.
struct CentreMarks : NodeTable {};

}  // namespace isobra
