#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "map/InverseProjection.h"
#include "map/MapProjection.h"
#include "model/ObservationSet.h"
#include "model/StationTable.h"

namespace isobra {
namespace {

TEST(InverseProjection, LatitudeOfRadiusAcrossTheTable) {
    struct Case {
        double radius;
        std::optional<double> latitude;
        const char* what;
    };
    const Case cases[] = {
        {632, 12.5, "centre of the southernmost band"},
        {421 - 8.8 * 2.5, 37.5, "centre of band 35"},
        {657, 10, "southern edge of the map"},
        {657.01, std::nullopt, "south of 10 N"},
        {559, 20, "band edge: 20 N itself, not 19.8 N of the band below"},
        {558.2, 20.08, "2-pixel fold at 20 N: 20.08 N before 19.88 N"},
        {557.8, 19.92, "the same fold: 19.92 N before 20.12 N"},
        {303, 50, "band edge 50 N, not 49.5 N"},
        {302, 50 + 1 / 7.6, "4-pixel fold at 50 N, the northern side nearer"},
        {301, 49.75, "the same fold, the southern side nearer"},
        {299, 55, "55 N, over 50.53 N of band 50"},
        {295, 55 + 4 / 6.8, "fold at 55 N: 55.59 N over 51.05 N"},
        {292.2, 56, "northern edge of the map"},
        {292.1, 50 + 10.9 / 7.6, "just beyond 56 N: band 50 alone"},
        {266, 50 + 37 / 7.6, "band 50 alone, near its northern end"},
        {265, std::nullopt, "north of everything the table reaches"},
        {0, std::nullopt, "the pole"},
        {NAN, std::nullopt, "no number"},
    };
    for (const Case& c : cases) {
        const std::optional<double> got = LatitudeOfRadius(c.radius);
        ASSERT_EQ(got.has_value(), c.latitude.has_value()) << c.what;
        if (got) EXPECT_NEAR(*got, *c.latitude, 1e-9) << c.what;
        // Whatever it answers projects back onto the radius.
        if (got) EXPECT_NEAR(LatitudeRadius(*got), c.radius, 1e-9) << c.what;
    }
}

TEST(InverseProjection, CanvasToPlace) {
    struct Case {
        double x, y;
        std::optional<GeoPosition> place;
    };
    const Case cases[] = {
        {263, 184, GeoPosition{35, 135}},  // the worked value
        {263, 420, GeoPosition{10, 135}},
        {263, 27, std::nullopt},  // the top of the central meridian: north of the table
        {263, 421, std::nullopt},  // south of 10 N
        {263, -237, std::nullopt},  // the pole
        {300, -300, std::nullopt},  // above it
        {634, 0, GeoPosition{30.23415, -165.80043}},  // past 180 E the longitude turns west
        {NAN, 100, std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<GeoPosition> got = UnprojectPosition(c.x, c.y);
        ASSERT_EQ(got.has_value(), c.place.has_value()) << c.x << "," << c.y;
        if (!got) continue;
        EXPECT_NEAR(got->latitude, c.place->latitude, 1e-5) << c.x << "," << c.y;
        EXPECT_NEAR(got->longitude, c.place->longitude, 1e-5) << c.x << "," << c.y;
    }
}

// Every whole degree the forms take comes back, the one latitude inside the
// fold at 55 N excepted, and wherever the map shows a place, that place
// projects back onto the same point.
TEST(InverseProjection, PlacesComeBackAndPointsProjectBack) {
    for (int latitude = 10; latitude <= 56; ++latitude) {
        for (int longitude = 100; longitude <= 170; longitude += 5) {
            const std::optional<MapPoint> p = ProjectPrecisely(latitude, longitude);
            ASSERT_TRUE(p);
            const CanvasPoint rounded = ProjectPosition(latitude, longitude);
            EXPECT_TRUE(std::fabs(p->x - rounded.x) <= 0.5 && std::fabs(p->y - rounded.y) <= 0.5);
            const std::optional<GeoPosition> back = UnprojectPosition(p->x, p->y);
            ASSERT_TRUE(back) << latitude << " " << longitude;
            // 51 N lies on the radius of 55.53 N.
            EXPECT_NEAR(back->latitude, latitude == 51 ? 55 + 3.6 / 6.8 : latitude, 1e-9) << latitude;
            EXPECT_NEAR(back->longitude, longitude, 1e-9) << longitude;
        }
    }
    ObservationSet set;
    InitStationTable(set);
    for (int k = 0; k < set.stationCount(); ++k) {
        const CanvasPoint at = set.stationPosition(k);
        const std::optional<GeoPosition> place = UnprojectPosition(at.x, at.y);
        ASSERT_TRUE(place) << set.stationName(k);
        const std::optional<MapPoint> back = ProjectPrecisely(place->latitude, place->longitude);
        ASSERT_TRUE(back) << set.stationName(k);
        EXPECT_LT(std::hypot(back->x - at.x, back->y - at.y), 0.5) << set.stationName(k);
    }
    for (double y = 30; y <= 400; y += 7.25)
        for (double x = 0; x <= 634; x += 6.5)
            if (const std::optional<GeoPosition> place = UnprojectPosition(x, y)) {
                const double east = place->longitude < 0 ? place->longitude + 360 : place->longitude;
                const std::optional<MapPoint> back = ProjectPrecisely(place->latitude, east);
                ASSERT_TRUE(back);
                EXPECT_LT(std::hypot(back->x - x, back->y - y), 1e-6) << x << "," << y;
            }
}

}  // namespace
}  // namespace isobra
