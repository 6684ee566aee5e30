#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "isobar/IsobarLine.h"
#include "isobar/IsobarSegments.h"
#include "isobar/LabelStyle.h"

namespace isobra {

// The value of one isobar written on it.
struct IsobarLabel {
    int line = 0;  // index into the lines it was placed for
    std::int32_t level = 0;
    std::string text;  // "1008", "1008.5"
    TextPlace at;      // top left of the text, in the small font
    PixelBox box;      // the text and a pixel of room round it: no line is drawn inside
};

// Chooses up to two places on each line for its value, the box centred on
// the line. A box stays inside the map square and overlaps no reserved box
// nor any other label, with a pixel to spare. Preferred, in this order: a
// straight stretch that no other line (nor another part of its own) comes
// near, any such stretch, and, where lines run too close for either, the
// place that cuts the fewest other lines; among equals the straightest,
// away from labels already placed. Every closed line and every open line
// longer than 120 pixels gets a label where a place is left free (a ring
// too small for its box has none); shorter open lines get none. Lines of
// 240 pixels or more get a second label, on a straight clear stretch a
// third of the line or more away from the first. Small rings choose first,
// then open lines, longest first. Deterministic: the same input gives the
// same labels. Drawing leaves every line out inside every label's box.
std::vector<IsobarLabel> PlaceIsobarLabels(const std::vector<IsobarSegment>& segments,
                                           const std::vector<IsobarLine>& lines, const std::vector<PixelBox>& reserved,
                                           std::int32_t pressureScale, const LabelStyle& style);

}  // namespace isobra
