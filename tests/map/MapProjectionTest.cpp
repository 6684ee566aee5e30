#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "map/MapProjection.h"

namespace isobra {
namespace {

TEST(MapProjection, WorkedValues) {
    EXPECT_NEAR(LatitudeRadius(26), 501.4, 1e-9);
    EXPECT_EQ(ProjectPosition(26, 128), (CanvasPoint{208, 261}));
    EXPECT_DOUBLE_EQ(LatitudeRadius(35), 421.0);
    EXPECT_EQ(ProjectPosition(35, 135), (CanvasPoint{263, 184}));
    EXPECT_EQ(ProjectPosition(60, 135), (CanvasPoint{0, 0}));
}

TEST(MapProjection, BandEdgesAndSteps) {
    // Inside at both ends, outside just beyond.
    EXPECT_NEAR(LatitudeRadius(56), 292.2, 1e-9);
    EXPECT_EQ(LatitudeRadius(57), 0.0);
    EXPECT_DOUBLE_EQ(LatitudeRadius(10), 657.0);
    EXPECT_EQ(LatitudeRadius(9), 0.0);
    EXPECT_EQ(LatitudeRadius(9.99), 0.0);
    EXPECT_EQ(ProjectPosition(9, 135), (CanvasPoint{0, 0}));

    const double expected15to19[] = {607, 597, 587, 577, 567};
    for (int lat = 15; lat <= 19; ++lat) EXPECT_DOUBLE_EQ(LatitudeRadius(lat), expected15to19[lat - 15]) << lat;
    EXPECT_DOUBLE_EQ(LatitudeRadius(20), 559.0);
    EXPECT_NEAR(LatitudeRadius(54), 272.6, 1e-9);
    EXPECT_DOUBLE_EQ(LatitudeRadius(55), 299.0);
    // The radius steps at band edges: 299 just below 50 N, 303 at 50 N.
    EXPECT_NEAR(LatitudeRadius(49.999999), 299.0, 1e-4);
    EXPECT_DOUBLE_EQ(LatitudeRadius(50), 303.0);
}

TEST(MapProjection, CentralMeridianIsStraightDown) {
    for (int lat = 10; lat <= 56; ++lat) {
        CanvasPoint p = ProjectPosition(lat, 135);
        EXPECT_EQ(p.x, kPoleX) << lat;
        // y is r below the pole, rounded, halves to even.
        EXPECT_EQ(p.y, static_cast<int>(std::nearbyint(LatitudeRadius(lat) + kPoleY))) << lat;
    }
}

TEST(MapProjection, HalvesGoToEven) {
    // Latitude 10 + 0.05 gives r = 656.5 and y = 419.5 on the central meridian:
    // the half goes to the even neighbour 420, not 420 by chance of round().
    EXPECT_EQ(ProjectPosition(10.05, 135).y, 420);
    // r = 607 - 10 * 0.15 = 605.5 -> y = 368.5 -> 368 (std::round would give 369).
    EXPECT_EQ(ProjectPosition(15.15, 135).y, 368);
}

TEST(MapProjection, WildLongitudesDoNotFail) {
    // Longitudes are not range-checked: a point off the canvas is still a point.
    CanvasPoint far = ProjectPosition(30, 300);
    EXPECT_FALSE(far.x == 0 && far.y == 0);
    EXPECT_EQ(ProjectPosition(30, std::numeric_limits<double>::infinity()), (CanvasPoint{0, 0}));
    EXPECT_EQ(ProjectPosition(std::numeric_limits<double>::quiet_NaN(), 135), (CanvasPoint{0, 0}));
}

TEST(MapProjection, MurotoMisakiLiesWhereTheStationTablePutsIt) {
    // 33.25 N 134.18 E (computed with fractional degrees).
    EXPECT_EQ(ProjectPosition(33.25, 134.18), (CanvasPoint{257, 198}));
}

}  // namespace
}  // namespace isobra
