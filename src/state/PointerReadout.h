#pragma once

#include <optional>
#include <string>

#include "map/InverseProjection.h"

namespace isobra {

struct PressureField;
struct RgbImage;

// The canvas position under a point of a view that shows every canvas pixel
// as a block of scale x scale view pixels: the centre of the view pixel the
// point (its top left corner) falls in, so that at 100 % it is the canvas
// pixel itself and at 200 % a quarter pixel either side of its centre.
MapPoint MapPointUnder(double viewX, double viewY, double scale);

// The pressure at a canvas position in hPa, bilinear between the four grid
// nodes around it; nothing while the grid is not computed, off the grid, or
// where one of the four nodes has no value.
std::optional<double> PressureAt(const PressureField& field, const MapPoint& at);

// The status line under the map for the pointer at `at`: latitude and
// longitude to 0.1 degree where the projection has them, the pressure to
// 0.1 hPa where PressureAt gives one, and over the background picture the
// brightness the cloud cross-section reads at that pixel. Empty where none
// of them applies. For example
// "北緯 35.0°  東経 135.0°  気圧 1012.3 hPa  明るさ 128".
std::string PointerReadout(const MapPoint& at, const PressureField& field, const RgbImage* picture);

}  // namespace isobra
