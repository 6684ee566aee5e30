#pragma once

#include <vector>

#include "canvas/RecordingCanvas.h"
#include "isobar/IsobarLabels.h"
#include "isobar/LabelStyle.h"

namespace isobra {

class CoastlineTable;
class ObservationSet;
struct PlotTable;

// The pixels each call covers, as boxes: a line as boxes along it of at
// most 3 pixels each way (so a long slanting line, a front or a meridian,
// keeps a narrow band clear, not the square it spans), a circle or arc as the box of the whole circle, a text
// as its box in the metric of its size, a filled box as itself. Every
// coordinate is widened to the pixels it can round to. Of a line, only the
// boxes that may reach into `keep` are given.
std::vector<PixelBox> BoxesOfCalls(const std::vector<RecordingCanvas::Call>& calls, const LabelStyle& style,
                                   const CanvasArea& keep = kWholePlane);

// What the other layers draw or would draw for the current data, whether
// they are shown yet or not: as map lines the coastline and the latitude
// and longitude lines; as figures weather symbols and wind arrows at every
// symbol station and ship, the fronts and the centre letters. The places
// labels must keep clear of; what lies far off the map, where no label is
// placed, is left out.
ReservedBoxes LabelObstacles(const ObservationSet& observations, const PlotTable& plot, const CoastlineTable& coastline,
                             const LabelStyle& style);

}  // namespace isobra
