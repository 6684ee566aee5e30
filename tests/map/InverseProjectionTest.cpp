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
    const std::pair<double, std::optional<double>> cases[] = {
        {632, 12.5},               // band centres
        {421 - 8.8 * 2.5, 37.5},   //
        {657, 10},                 // the southern edge of the map...
        {657.01, std::nullopt},    // ...and beyond it
        {559, 20},                 // a band edge, not 19.8 N of the band below
        {558.2, 20.08},            // the 2-pixel fold at 20 N: 20.08 N before 19.88 N,
        {557.8, 19.92},            // 19.92 N before 20.12 N
        {303, 50},                 // the 4-pixel fold at 50 N: its edge, not 49.5 N,
        {301, 49.75},              // and the side nearer the edge
        {299, 55},                 // the fold at 55 N: 55 N over 50.53 N,
        {295, 55 + 4 / 6.8},       // 55.59 N over 51.05 N
        {292.2, 56},               // the northern edge of the map
        {292.1, 50 + 10.9 / 7.6},  // beyond it band 50 alone
        {265, std::nullopt},       // north of all the table reaches
        {NAN, std::nullopt},
    };
    for (const auto& [radius, latitude] : cases) {
        const std::optional<double> got = LatitudeOfRadius(radius);
        ASSERT_EQ(got.has_value(), latitude.has_value()) << radius;
        if (!got) continue;
        EXPECT_NEAR(*got, *latitude, 1e-9) << radius;
        EXPECT_NEAR(LatitudeRadius(*got), radius, 1e-9) << radius;
    }
    // Off the map: the top of the central meridian, south of 10 N, the pole.
    for (const auto& [x, y] : {std::pair{263, 27}, {263, 421}, {263, -237}}) EXPECT_FALSE(UnprojectPosition(x, y));
    const std::optional<GeoPosition> west = UnprojectPosition(634, 0);  // past 180 E
    ASSERT_TRUE(west);
    EXPECT_NEAR(west->longitude, -165.80043, 1e-5);
}

// Every whole degree comes back, but 51 N inside the fold at 55 N; every
// station, and every point the inverse answers for, projects back onto
// itself.
TEST(InverseProjection, PlacesComeBackAndPointsProjectBack) {
    for (int latitude = 10; latitude <= 56; ++latitude) {
        for (int longitude = 100; longitude <= 170; longitude += 5) {
            const std::optional<MapPoint> p = ProjectPrecisely(latitude, longitude);
            ASSERT_TRUE(p);
            const CanvasPoint rounded = ProjectPosition(latitude, longitude);
            EXPECT_TRUE(std::fabs(p->x - rounded.x) <= 0.5 && std::fabs(p->y - rounded.y) <= 0.5);
            const std::optional<GeoPosition> back = UnprojectPosition(p->x, p->y);
            ASSERT_TRUE(back) << latitude << " " << longitude;
            EXPECT_NEAR(back->latitude, latitude == 51 ? 55 + 3.6 / 6.8 : latitude, 1e-9) << latitude;
            EXPECT_NEAR(back->longitude, longitude, 1e-9) << longitude;
        }
    }
    ObservationSet set;
    InitStationTable(set);
    auto projectsBack = [](double x, double y, double within) {
        const std::optional<GeoPosition> place = UnprojectPosition(x, y);
        if (!place) return false;
        const double east = place->longitude < 0 ? place->longitude + 360 : place->longitude;
        const std::optional<MapPoint> back = ProjectPrecisely(place->latitude, east);
        return back && std::hypot(back->x - x, back->y - y) < within;
    };
    for (int k = 0; k < set.stationCount(); ++k)
        EXPECT_TRUE(projectsBack(set.stationPosition(k).x, set.stationPosition(k).y, 0.5)) << set.stationName(k);
    for (double y = 30; y <= 400; y += 7.25)
        for (double x = 0; x <= 634; x += 6.5)
            EXPECT_TRUE(!UnprojectPosition(x, y) || projectsBack(x, y, 1e-6)) << x << "," << y;
}

}  // namespace
}  // namespace isobra
