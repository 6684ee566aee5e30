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

// Chooses up to two places on each line for its value, on its straightest
// stretches, the box centred on the line. A box stays inside the map
// square, overlaps no reserved box nor any other label (with a pixel to
// spare) and is crossed by no other line and by no other part of its own
// line, so that the line can be left out inside it. Every closed line and
// every open line longer than 120 pixels gets a label where such a place
// exists; shorter open lines get none. A second label goes on lines of 240
// pixels or more, a third of the length or more along the line from the
// first. Deterministic: the same input gives the same labels.
std::vector<IsobarLabel> PlaceIsobarLabels(const std::vector<IsobarSegment>& segments,
                                           const std::vector<IsobarLine>& lines, const std::vector<PixelBox>& reserved,
                                           std::int32_t pressureScale, const LabelStyle& style);

}  // namespace isobra
