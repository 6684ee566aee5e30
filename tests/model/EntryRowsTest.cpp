#include <gtest/gtest.h>

#include "model/EntryRows.h"
#include "model/StationTable.h"

namespace isobra {
namespace {

std::string Sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

TEST(EntryRows, WidthsCountCharactersNotBytes) {
    // Half-width katakana names take fewer bytes per character than kanji but
    // pad by the same count: 7 characters + 1 space, 3 characters + 5 spaces.
    ObservationSet set;
    InitStationTable(set);
    ASSERT_EQ(set.stationName(29), "ﾎﾟﾛﾅｲｽｸ");
    EXPECT_EQ(LandRowFromData(set, 29, LandWeather::OnlyWithReport).substr(0, std::string("ﾎﾟﾛﾅｲｽｸ").size() + 1),
              "ﾎﾟﾛﾅｲｽｸ" + Sp(1));
    EXPECT_EQ(LandRowFromData(set, 0, LandWeather::OnlyWithReport).substr(0, std::string("石垣島").size() + 5),
              "石垣島" + Sp(5));
}

TEST(EntryRows, TypedAndRebuiltLandRowsDifferByTwoSpacesAfterTheName) {
    ObservationSet set;
    InitStationTable(set);
    set.land(0) = LandReport{0, 3, 1, 1012, 25};  // 石垣島: north 3, 晴れ
    const std::string typed = LandRow({"石垣島", "北", "3", "晴れ", "1012", "25"}, kTypedNameWidth);
    EXPECT_EQ(typed, "石垣島" + Sp(7) + "北" + Sp(5) + "  3" + " " + "晴れ" + Sp(4) + " 1012" + " 25");
    const std::string rebuilt = LandRowFromData(set, 0, LandWeather::OnlyWithReport);
    EXPECT_EQ(rebuilt, "石垣島" + Sp(5) + "北" + Sp(5) + "  3" + " " + "晴れ" + Sp(4) + " 1012" + " 25");
    EXPECT_EQ(typed, rebuilt.substr(0, std::string("石垣島").size() + 5) + Sp(2) +
                         rebuilt.substr(std::string("石垣島").size() + 5));
}

TEST(EntryRows, LandRowWithoutReportHidesWeatherUnlessTheLoaderAsks) {
    ObservationSet set;
    InitStationTable(set);
    set.land(1) = LandReport{5, 0, 3, 0, 0};  // 那覇: direction and 雨 stored, but nothing reported
    const std::string blank =
        "那覇" + Sp(6) + std::string(kCalmDirection) + Sp(3) + "  0" + " " + Sp(6) + "    0" + "  0";
    EXPECT_EQ(LandRowFromData(set, 1, LandWeather::OnlyWithReport), blank);
    EXPECT_EQ(LandRowFromData(set, 1, LandWeather::Always),
              "那覇" + Sp(6) + std::string(kCalmDirection) + Sp(3) + "  0" + " " + "雨" + Sp(5) + "    0" + "  0");

    // Calm with a pressure: three ideographic spaces for the direction, weather shown.
    set.land(2) = LandReport{7, 0, 2, 1008, -5};
    EXPECT_EQ(
        LandRowFromData(set, 2, LandWeather::OnlyWithReport),
        "南大東島" + Sp(4) + std::string(kCalmDirection) + Sp(3) + "  0" + " " + "くもり" + Sp(3) + " 1008" + " -5");
}

TEST(EntryRows, OverWideLandValuesAreWrittenInFull) {
    ObservationSet set;
    InitStationTable(set);
    set.stationName(3) = "とても長い観測地の名前";
    set.land(3) = LandReport{0, 3, 11, 10000, -100};  // weather code past the table shows as ""
    EXPECT_EQ(LandRowFromData(set, 3, LandWeather::OnlyWithReport),
              "とても長い観測地の名前" + std::string("北") + Sp(5) + "  3" + " " + Sp(6) + " 10000" + "-100");
}

TEST(EntryRows, ShipRows) {
    EXPECT_EQ(ShipRow({"30", "135", "南", "4", "くもり", "1008"}),
              "  30" + std::string(" 135") + "南" + Sp(5) + "  4" + " " + "くもり" + Sp(3) + " 1008");
    // Rebuilt from the data: the weather is shown even without pressure and force.
    EXPECT_EQ(
        ShipRowFromData(ShipReport{30, 135, 8, 0, 9, 0}),
        "  30" + std::string(" 135") + std::string(kCalmDirection) + Sp(3) + "  0" + " " + "霧" + Sp(5) + "    0");
    EXPECT_EQ(ShipRowFromData(ShipReport{30, 135, -1, 2, -1, 1008}),
              "  30" + std::string(" 135") + Sp(6) + "  2" + " " + Sp(6) + " 1008");
}

TEST(EntryRows, FisheryRowsTypedRebuiltAndMarkers) {
    const std::string typed = FisheryRow("40", "150", kTypedLongitudeWidth, "996", "低気圧");
    EXPECT_EQ(typed, "  40" + std::string(" 150") + "  996" + " " + "低気圧");
    const std::string rebuilt = FisheryRowFromData(FisheryEntry{"低気圧", 40, 150, 996});
    EXPECT_EQ(rebuilt, "  40" + std::string("  150") + "  996" + " " + "低気圧");
    // A front point has no pressure: an empty column, not a 0.
    EXPECT_EQ(FisheryRowFromData(FisheryEntry{"寒冷前線", 35, 140, 0}),
              "  35" + std::string("  140") + Sp(5) + " " + "寒冷前線");
    EXPECT_EQ(MarkerRow(FisheryEntry{"中心から", 40, 150, 0}), "  40" + std::string(" 150") + Sp(6) + "中心から");
    EXPECT_TRUE(IsMarkerKind("中心から"));
    EXPECT_TRUE(IsMarkerKind("そこから"));
    EXPECT_FALSE(IsMarkerKind("ここから"));
    EXPECT_FALSE(IsMarkerKind("低気圧"));
}

}  // namespace
}  // namespace isobra
