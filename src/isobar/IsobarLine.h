#pragma once

#include <cstdint>
#include <vector>

#include "isobar/IsobarSegments.h"

namespace isobra {

struct LinePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const LinePoint&) const = default;
};

// One isobar as a line: traced segments of one level joined end to end.
// `segments` indexes the traced list in order along the line; `points` has
// one more entry, the start of the first segment and then the end of each
// segment as the line runs (a segment may run against its drawing
// direction). A closed line ends on the edge it starts from.
struct IsobarLine {
    std::int32_t level = 0;  // grid units: the traced level rounded
    bool closed = false;
    std::vector<int> segments;
    std::vector<LinePoint> points;
};

// Joins the segments of each level into lines. Two segments join where
// they end on the same cell edge; an edge carries one crossing per level,
// so a saddle cell's two segments stay on separate lines and a junction of
// three never forms. Lines run by level, then by the first traced segment
// they hold; a ring starts with its first traced segment in its drawing
// direction, an open line at the end reached by going back from its first
// traced segment. Every segment belongs to exactly one line.
std::vector<IsobarLine> ChainIsobarSegments(const std::vector<IsobarSegment>& segments);

}  // namespace isobra
