#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "isobar/CentreLetters.h"
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

// What the other layers draw, as boxes: the places labels keep clear of.
struct ReservedBoxes {
    // Weather symbols, wind arrows, fronts and centre letters: no label's
    // box overlaps them.
    std::vector<PixelBox> figures;
    // The coastline and the latitude and longitude lines: isobar values keep
    // clear of them; a central pressure, which has only the few places round
    // its letter, may cross them.
    std::vector<PixelBox> map;
};

// The central pressures and the isobar values of one map.
struct PlacedLabels {
    std::vector<CentralPressure> pressures;
    std::vector<IsobarLabel> values;
};

// Places the labels of one map. A label's box is its text with a pixel of
// room round it; it stays inside the map square and overlaps no other
// label's box and no reserved figure, so that no text touches another, a
// figure or the map's edge.
//
// Central pressures come first, in the order of the centres: each takes the
// first free place of its letter's (CentralPressurePlaces) in which no
// isobar lights a pixel; where an isobar runs through every free one, the
// first free one, and the isobar is left out round it. A centre with no
// free place has no pressure written.
//
// Then the values, up to two on each line, the box centred on the line,
// clear of the map lines too, and never where another line, or another part
// of its own, lights a pixel in the box: a line that has no such place gets
// no value. Preferred, in this order: a straight stretch, any stretch; among
// equals the straightest, away from labels already placed. Every closed
// line and every open line longer than 120 pixels gets a value where a
// place is left free (a ring too small for its box has none); shorter open
// lines get none. Lines of 240 pixels or more get a second value, on a
// straight stretch a third of the line or more away from the first. Small
// rings choose first, then open lines, longest first.
//
// Deterministic: the same input gives the same labels. Drawing leaves every
// line out inside every label's box.
PlacedLabels PlaceLabels(const std::vector<IsobarSegment>& segments, const std::vector<IsobarLine>& lines,
                         const std::vector<CentreToLabel>& centres, const ReservedBoxes& reserved,
                         std::int32_t pressureScale, const LabelStyle& style);

}  // namespace isobra
