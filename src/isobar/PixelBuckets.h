#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "canvas/MapCanvas.h"
#include "isobar/PixelBox.h"

namespace isobra {

// Records filed by the 16-pixel squares their boxes touch, in one flat
// table. A box is filed as if one pixel shorter on its right and lower
// sides and a query reaches one pixel further left and up, which finds the
// same boxes but files a segment along a cell of the grid once, not up to
// four times.
template <class Record>
class PixelBuckets {
public:
    static constexpr int kCell = 16;
    static constexpr int kCells = kMapSize / kCell + 1;  // the map square; boxes beyond share the edge squares

    PixelBuckets(const std::vector<PixelBox>& boxes, const std::vector<Record>& records)
        : start_(static_cast<std::size_t>(kCells * kCells + 1), 0) {
        for (const PixelBox& b : boxes) ForEachCell(Filed(b), [&](std::size_t cell) { ++start_[cell + 1]; });
        for (std::size_t k = 1; k < start_.size(); ++k) start_[k] += start_[k - 1];
        records_.resize(start_.back());
        std::vector<std::size_t> fill(start_.begin(), start_.end() - 1);
        for (std::size_t id = 0; id < boxes.size(); ++id)
            ForEachCell(Filed(boxes[id]), [&](std::size_t cell) { records_[fill[cell]++] = records[id]; });
    }
    // Calls f(record) for each record whose box may meet the given box,
    // until f returns true; a record can come more than once. Returns
    // whether f did.
    template <class F>
    bool Any(const PixelBox& b, F f) const {
        bool found = false;
        ForEachCell({b.x1 - 1, b.y1 - 1, b.x2, b.y2}, [&](std::size_t cell) {
            for (std::size_t k = start_[cell]; k < start_[cell + 1] && !found; ++k) found = f(records_[k]);
        });
        return found;
    }

private:
    static PixelBox Filed(const PixelBox& b) {
        return {b.x1, b.y1, std::max(b.x1, b.x2 - 1), std::max(b.y1, b.y2 - 1)};
    }
    static int Clamp(int v) { return std::clamp(v >= 0 ? v / kCell : 0, 0, kCells - 1); }
    template <class F>
    static void ForEachCell(const PixelBox& b, F f) {
        const int cx1 = Clamp(b.x1), cx2 = Clamp(b.x2), cy1 = Clamp(b.y1), cy2 = Clamp(b.y2);
        for (int cy = cy1; cy <= cy2; ++cy)
            for (int cx = cx1; cx <= cx2; ++cx) f(static_cast<std::size_t>(cy * kCells + cx));
    }
    std::vector<std::size_t> start_;  // the records of square k are records_[start_[k] .. start_[k + 1])
    std::vector<Record> records_;
};

}  // namespace isobra
