#include <array>
#include <cstdint>

#include "isobar/GridAccess.h"
#include "isobar/GridMath.h"
#include "isobar/GridPasses.h"
#include "model/PressureField.h"

namespace isobra {

namespace {

// round(sum / count), halves to the even neighbour, for sum >= 0: what
// rounding the double quotient gives, for a quotient of these sizes is
// never within a double's precision of a half without being one.
template <std::int64_t Count>
std::int32_t RoundedQuotient(std::int64_t sum) {
    const std::int64_t q = sum / Count;  // by a constant: a multiplication
    const std::int64_t twice = 2 * (sum - q * Count);
    if (twice > Count || (twice == Count && (q & 1) != 0)) return static_cast<std::int32_t>(q + 1);
    return static_cast<std::int32_t>(q);
}

// The same for a count of 1..8 neighbours.
std::int32_t NeighbourMean(std::int64_t sum, std::int32_t count) {
    switch (count) {
        case 1:
            return static_cast<std::int32_t>(sum);
        case 2:
            return RoundedQuotient<2>(sum);
        case 3:
            return RoundedQuotient<3>(sum);
        case 4:
            return RoundedQuotient<4>(sum);
        case 5:
            return RoundedQuotient<5>(sum);
        case 6:
            return RoundedQuotient<6>(sum);
        case 7:
            return RoundedQuotient<7>(sum);
        default:
            return RoundedQuotient<8>(sum);
    }
}

}  // namespace

void SmoothPass(PressureField& field) {
    const GridBounds b(field.grid);
    const std::int32_t* g = field.pressureGrid.raw();
    const std::int32_t* marks = field.centreMarks.raw();
    std::int32_t* w = field.workGrid.raw();

    // What a neighbour contributes: interior nodes above 0 (value and a count
    // of 1), in a frame of zeros so that every node has eight neighbours.
    // The eight-neighbour sums are 3 x 3 box sums less the middle; the
    // integer mean rounds as the mean of the values added one by one in
    // double would.
    constexpr int kSide = NodeTable::kSize + 2;
    const int rows = b.maxY + 3;
    const int columns = b.maxX + 3;
    std::array<std::int64_t, kSide * kSide> value;
    std::array<std::int32_t, kSide * kSide> counted;
    for (int r = 0; r < rows; ++r) {
        for (int col = 0; col < columns; ++col) {
            const int ix = col - 1, iy = r - 1;
            const std::int32_t v = b.Interior(ix, iy) ? g[NodeIndex(ix, iy)] : 0;
            value[r * kSide + col] = v > 0 ? v : 0;
            counted[r * kSide + col] = v > 0 ? 1 : 0;
        }
    }
    // Sums of three across, then of three of those down.
    std::array<std::int64_t, kSide * kSide> valueAcross;
    std::array<std::int32_t, kSide * kSide> countAcross;
    for (int r = 0; r < rows; ++r) {
        for (int col = 1; col + 1 < columns; ++col) {
            const int at = r * kSide + col;
            valueAcross[at] = value[at - 1] + value[at] + value[at + 1];
            countAcross[at] = counted[at - 1] + counted[at] + counted[at + 1];
        }
    }

    for (int iy = 0; iy <= b.maxY; ++iy) {
        for (int ix = 0; ix <= b.maxX; ++ix) {
            const int node = NodeIndex(ix, iy);
            // Centre-marked nodes keep what the work grid holds.
            if (marks[node] == -1) continue;
            const int mid = (iy + 1) * kSide + ix + 1;
            const std::int32_t count =
                countAcross[mid - kSide] + countAcross[mid] + countAcross[mid + kSide] - counted[mid];
            if (count == 0) continue;
            const std::int64_t sum =
                valueAcross[mid - kSide] + valueAcross[mid] + valueAcross[mid + kSide] - value[mid];
            std::int32_t smoothed = NeighbourMean(sum, count);
            if (g[node] > 0) smoothed = RoundedQuotient<2>(std::int64_t{smoothed} + g[node]);
            w[node] = smoothed;
        }
    }
    CopyNodes(field.workGrid, field.pressureGrid, b);
}

}  // namespace isobra
