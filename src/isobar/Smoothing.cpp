#include <array>
#include <cstdint>

#include "isobar/GridAccess.h"
#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"
#include "model/PressureField.h"

namespace isobra {

void SmoothPass(PressureField& field) {
    const GridBounds b(field.grid);
    const std::int32_t* g = field.pressureGrid.raw();
    const std::int32_t* marks = field.centreMarks.raw();
    std::int32_t* w = field.workGrid.raw();

    // What a neighbour contributes: interior nodes above 0 (value and a count
    // of 1), in a frame of zeros so that every node has eight neighbours.
    // The eight-neighbour sums are 3 x 3 box sums less the middle; integer
    // sums are exact, so the mean is the one formed by adding the values one
    // by one in double.
    constexpr int kSide = NodeTable::kSize + 2;
    constexpr std::size_t kCells = kSide * kSide;
    std::array<std::int64_t, kCells> value{};
    std::array<std::int32_t, kCells> counted{};
    for (int iy = 1; iy < b.maxY; ++iy)
        for (int ix = 1; ix < b.maxX; ++ix) {
            const std::int32_t v = g[NodeIndex(ix, iy)];
            const int at = (iy + 1) * kSide + ix + 1;
            value[at] = v > 0 ? v : 0;
            counted[at] = v > 0 ? 1 : 0;
        }
    // Sums of three across, then of three of those down.
    std::array<std::int64_t, kCells> valueAcross{};
    std::array<std::int32_t, kCells> countAcross{};
    for (std::size_t at = 1; at + 1 < kCells; ++at) {
        valueAcross[at] = value[at - 1] + value[at] + value[at + 1];
        countAcross[at] = counted[at - 1] + counted[at] + counted[at + 1];
    }

    for (int iy = 0; iy <= b.maxY; ++iy) {
        for (int ix = 0; ix <= b.maxX; ++ix) {
            const int node = NodeIndex(ix, iy);
            // Centre-marked nodes keep what the work grid holds.
            if (marks[node] == -1) continue;
            const int mid = (iy + 1) * kSide + ix + 1;
            const int count = countAcross[mid - kSide] + countAcross[mid] + countAcross[mid + kSide] - counted[mid];
            if (count == 0) continue;
            const std::int64_t sum =
                valueAcross[mid - kSide] + valueAcross[mid] + valueAcross[mid + kSide] - value[mid];
            std::int32_t smoothed = RoundHalfEven(static_cast<double>(sum) / count);
            if (g[node] > 0)
                smoothed = RoundHalfEven(static_cast<double>(static_cast<std::int64_t>(smoothed) + g[node]) *
                                         0.5);  // halving is exact
            w[node] = smoothed;
        }
    }
    CopyNodes(field.workGrid, field.pressureGrid, b);
}

}  // namespace isobra
