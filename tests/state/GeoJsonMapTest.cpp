#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "isobar/GridPasses.h"
#include "model/ObservationSet.h"
#include "model/PressureField.h"
#include "model/StationTable.h"
#include "state/GeoJsonMap.h"

namespace isobra {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// What was not reported is left out, a front runs while its kind and its
// places last, and the fishery items keep the places they were reported at.
TEST(GeoJsonMap, FeaturesWithWhatWasReported) {
    ObservationSet obs;
    InitStationTable(obs);
    obs.land(0) = {.windDirection = 5, .windForce = 0, .weather = 10, .pressure = 1012, .temperature = 0};  // 石垣島
    obs.land(kFujisanSlot) = {.windDirection = 2, .windForce = 3, .weather = 1, .pressure = 640, .temperature = -5};
    obs.SetShipCount(2);
    obs.ship(0) = {
        .latitude = 30, .longitude = 135, .windDirection = 4, .windForce = 3, .weather = 2, .pressure = 1008};
    obs.ship(1) = {.latitude = 60, .longitude = 150, .windForce = 2};  // north of the map
    const FisheryEntry fishery[] = {
        {"低気圧", 40, 150, 996}, {"寒冷前線", 40, 150, 0}, {"寒冷前線", 36, 142, 0}, {"温暖前線", 40, 150, 0},
        {"温暖前線", 60, 160, 0}, {"温暖前線", 38, 155, 0}, {"台風", 25, 130, 0},
    };
    obs.SetFisheryCount(std::size(fishery));
    for (std::size_t k = 0; k < std::size(fishery); ++k) obs.fishery(static_cast<int>(k)) = fishery[k];
    PressureField field;
    ASSERT_TRUE(BuildPlotTable(obs, field));

    const std::vector<std::string> expected = {
        R"({"type":"FeatureCollection","features":[)",
        // The warm front's middle point is off the map: two single points, no line.
        R"({"type":"Feature","geometry":{"type":"LineString","coordinates":[[150,40],[142,36]]},)"
        R"("properties":{"kind":"cold","name_ja":"寒冷前線"}},)",
        R"({"type":"Feature","geometry":{"type":"Point","coordinates":[150,40]},)"
        R"("properties":{"kind":"low","name_ja":"低気圧","pressure_hpa":996}},)",
        R"({"type":"Feature","geometry":{"type":"Point","coordinates":[130,25]},)"
        R"("properties":{"kind":"typhoon","name_ja":"台風"}},)",
        // Calm: a force, no direction; "不明": no weather; 0 degrees is a temperature.
        R"({"type":"Feature","geometry":{"type":"Point","coordinates":[123.8553,24.2255]},)"
        R"("properties":{"kind":"station","name_ja":"石垣島","wind_force":0,"pressure_hpa":1012,"temperature_c":0}},)",
        // 北西 is whence 315 degrees; the pressure of 富士山 is never given.
        R"({"type":"Feature","geometry":{"type":"Point","coordinates":[137.8773,35.0534]},)"
        R"("properties":{"kind":"station","name_ja":"富士山","wind_direction_deg":315,"wind_force":3,)"
        R"("weather_code":1,"weather_ja":"晴れ","temperature_c":-5}},)",
        R"({"type":"Feature","geometry":{"type":"Point","coordinates":[135,30]},)"
        R"("properties":{"kind":"ship","wind_direction_deg":270,"wind_force":3,"weather_code":2,)"
        R"("weather_ja":"くもり","pressure_hpa":1008}})",
        "]}",
    };
    EXPECT_EQ(Lines(WriteGeoJson(obs, field)), expected);
}

}  // namespace
}  // namespace isobra
