#include <gtest/gtest.h>

#include <memory>

#include "canvas/RgbImage.h"
#include "model/PressureField.h"
#include "state/PointerReadout.h"

namespace isobra {
namespace {

enum class Grid { Computed, NotComputed, HoleAtTheCentre };

// The status line for the pointer at a view pixel at 100 % and 200 %: a field
// with a cross term, which bilinear interpolation gives exactly (node
// (ix, iy) holds 100000 + 37 ix + 23 iy + 5 ix iy), and a red 400 x 400
// picture of brightness 85.
TEST(PointerReadout, TheLineForAPointOfTheView) {
    struct Case {
        double scale;
        int viewX, viewY;
        Grid grid;
        bool picture;
        const char* line;
    };
    const Case cases[] = {
        {1, 263, 184, Grid::Computed, false, "北緯 35.0°  東経 135.0°  気圧 1018.2 hPa"},
        // A quarter pixel south of 35 N's radius lies in band 30 alone.
        {2, 527, 369, Grid::Computed, false, "北緯 34.8°  東経 135.0°  気圧 1018.2 hPa"},
        {1, 263, 184, Grid::NotComputed, false, "北緯 35.0°  東経 135.0°"},
        {1, 263, 184, Grid::HoleAtTheCentre, false, "北緯 35.0°  東経 135.0°"},
        // North of the table on the central meridian: no place, but a pressure.
        {1, 263, 20, Grid::Computed, true, "気圧 1007.4 hPa  明るさ 85"},
        // The first view pixel at 200 % is in canvas pixel 0, left of node 0.
        {2, 0, 0, Grid::Computed, true, "北緯 41.0°  東経 84.7°  明るさ 85"},
        {1, 634, 0, Grid::Computed, true, "北緯 30.2°  西経 165.8°"},
        // The last node, and just beyond it; pixel 399 is the picture's last.
        {1, 400, 400, Grid::Computed, true, "北緯 10.2°  東経 148.4°  気圧 1046.2 hPa"},
        {2, 801, 801, Grid::Computed, true, "北緯 10.2°  東経 148.4°"},
        {2, 799, 799, Grid::Computed, true, "北緯 10.3°  東経 148.4°  気圧 1046.1 hPa  明るさ 85"},
    };
    const RgbImage red(400, 400, MakeColour(255, 0, 0));
    for (const Case& c : cases) {
        PressureField field;
        if (c.grid != Grid::NotComputed)
            for (int iy = 0; iy <= 25; ++iy)
                for (int ix = 0; ix <= 25; ++ix)
                    field.pressureGrid.at(ix, iy) = 100000 + 37 * ix + 23 * iy + 5 * ix * iy;
        if (c.grid == Grid::HoleAtTheCentre) field.pressureGrid.at(17, 12) = 0;
        const MapPoint at = MapPointUnder(c.viewX, c.viewY, c.scale);
        EXPECT_EQ(PointerReadout(at, field, c.picture ? &red : nullptr), c.line)
            << c.scale << " " << c.viewX << "," << c.viewY;
    }
}

}  // namespace
}  // namespace isobra
