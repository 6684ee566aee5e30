#include "isobar/IsobarLine.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>

#include "isobar/GridMath.h"

namespace isobra {

namespace {

// Edges are numbered by the node they start from: horizontal edges (the top
// of a cell) below 1024, vertical ones (the left of a cell) from 1024.
constexpr int kEdgeKeys = 2048;

int EdgeKey(const IsobarSegment& s, CellEdge edge) {
    int vertical = 0, x = s.ix, y = s.iy;
    if (edge == CellEdge::Bottom) ++y;
    if (edge == CellEdge::Left || edge == CellEdge::Right) vertical = 1;
    if (edge == CellEdge::Right) ++x;
    if (x < 0 || y < 0 || x >= 32 || y >= 32) return -1;
    return vertical * 1024 + y * 32 + x;
}

// The ends of the segments: 2 s is the first point of segment s, 2 s + 1 its
// second. partner[end] is the end it meets on its edge, or -1.
int SegmentOf(int end) { return end / 2; }
int OtherEnd(int end) { return end ^ 1; }

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// Pairs the ends of one level's segments that lie on the same edge. An edge
// takes two ends; a third (two levels that round to the same value) stays
// unpaired and so ends its line.
void PairEnds(const std::vector<IsobarSegment>& segments, const std::vector<int>& level, std::vector<int>& partner) {
    std::array<std::array<int, 2>, kEdgeKeys> onEdge;
    for (auto& e : onEdge) e = {-1, -1};
    std::vector<int> used;
    for (const int s : level) {
        const IsobarSegment& g = segments[At(s)];
        for (int which = 0; which < 2; ++which) {
            const int key = EdgeKey(g, which == 0 ? g.edge1 : g.edge2);
            if (key < 0) continue;
            std::array<int, 2>& slot = onEdge[At(key)];
            const int end = 2 * s + which;
            if (slot[0] < 0) {
                slot[0] = end;
                used.push_back(key);
            } else if (slot[1] < 0) {
                slot[1] = end;
                partner[At(slot[0])] = end;
                partner[At(end)] = slot[0];
            }
        }
    }
}

// Walks from `start`, entered at its end `entry`, following partners, and
// appends the segments and points to the line. Stops at an unpaired end or
// back at the start.
void Walk(const std::vector<IsobarSegment>& segments, const std::vector<int>& partner, int entry,
          std::vector<bool>& taken, IsobarLine& line) {
    const IsobarSegment& first = segments[At(SegmentOf(entry))];
    line.points.push_back(entry % 2 == 0 ? LinePoint{first.x1, first.y1} : LinePoint{first.x2, first.y2});
    int end = entry;
    for (;;) {
        const int s = SegmentOf(end);
        taken[At(s)] = true;
        line.segments.push_back(s);
        const int exit = OtherEnd(end);
        const IsobarSegment& g = segments[At(s)];
        line.points.push_back(exit % 2 == 0 ? LinePoint{g.x1, g.y1} : LinePoint{g.x2, g.y2});
        const int next = partner[At(exit)];
        if (next < 0) return;
        if (taken[At(SegmentOf(next))]) {
            line.closed = next == entry;
            return;
        }
        end = next;
    }
}

}  // namespace

std::vector<IsobarLine> ChainIsobarSegments(const std::vector<IsobarSegment>& segments) {
    const int count = static_cast<int>(segments.size());
    std::vector<std::int32_t> rounded(segments.size());
    for (int s = 0; s < count; ++s) rounded[At(s)] = RoundHalfEven(segments[At(s)].level);
    std::vector<int> order(segments.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return rounded[At(a)] < rounded[At(b)]; });

    std::vector<int> partner(2 * segments.size(), -1);
    std::vector<bool> taken(segments.size(), false);
    std::vector<IsobarLine> lines;
    for (std::size_t from = 0; from < order.size();) {
        std::size_t to = from;
        while (to < order.size() && rounded[At(order[to])] == rounded[At(order[from])]) ++to;
        const std::vector<int> level(order.begin() + static_cast<std::ptrdiff_t>(from),
                                     order.begin() + static_cast<std::ptrdiff_t>(to));
        PairEnds(segments, level, partner);
        for (const int s : level) {
            if (taken[At(s)]) continue;
            // Go back from the first point until the line ends or comes round.
            int entry = 2 * s;
            for (int steps = 0; steps < count; ++steps) {
                const int before = partner[At(entry)];
                if (before < 0 || SegmentOf(before) == s) break;
                entry = OtherEnd(before);
            }
            if (partner[At(entry)] >= 0 && SegmentOf(partner[At(entry)]) == s) entry = 2 * s;  // a ring
            IsobarLine line;
            line.level = rounded[At(s)];
            Walk(segments, partner, entry, taken, line);
            lines.push_back(std::move(line));
        }
        from = to;
    }
    return lines;
}

}  // namespace isobra
