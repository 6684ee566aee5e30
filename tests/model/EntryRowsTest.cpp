#include <gtest/gtest.h>

#include "model/EntryRows.h"
#include "model/StationTable.h"

namespace isobra {
namespace {

std::string Sp(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

template <class Row>
std::string Text(const Row& row) {
    return RowText(CellsOf(row));
}

const std::string kCalm(kCalmDirection);

TEST(EntryRows, WidthsCountCharactersNotBytes) {
    // Half-width katakana names take fewer bytes per character than kanji but
    // pad by the same count: 7 characters + 1 space, 3 characters + 5 spaces.
    ObservationSet set;
    InitStationTable(set);
    ASSERT_EQ(set.stationName(29), "ﾎﾟﾛﾅｲｽｸ");
    EXPECT_EQ(Text(LandRowFromData(set, 29, LandWeather::OnlyWithReport)).substr(0, std::string("ﾎﾟﾛﾅｲｽｸ").size() + 1),
              "ﾎﾟﾛﾅｲｽｸ" + Sp(1));
    EXPECT_EQ(Text(LandRowFromData(set, 0, LandWeather::OnlyWithReport)).substr(0, std::string("石垣島").size() + 5),
              "石垣島" + Sp(5));
}

TEST(EntryRows, TypedAndRebuiltLandRowsDifferByTwoSpacesAfterTheName) {
    ObservationSet set;
    InitStationTable(set);
    set.land(0) = LandReport{0, 3, 1, 1012, 25};  // 石垣島: north 3, 晴れ
    const std::string typed = Text(LandRow{"石垣島", "北", "3", "晴れ", "1012", "25"});
    EXPECT_EQ(typed, "石垣島" + Sp(7) + "北" + Sp(5) + "  3" + " " + "晴れ" + Sp(4) + " 1012" + " 25");
    const std::string rebuilt = Text(LandRowFromData(set, 0, LandWeather::OnlyWithReport));
    EXPECT_EQ(rebuilt, "石垣島" + Sp(5) + "北" + Sp(5) + "  3" + " " + "晴れ" + Sp(4) + " 1012" + " 25");
    EXPECT_EQ(typed, rebuilt.substr(0, std::string("石垣島").size() + 5) + Sp(2) +
                         rebuilt.substr(std::string("石垣島").size() + 5));
}

TEST(EntryRows, LandRowWithoutReportHidesWeatherUnlessTheLoaderAsks) {
    ObservationSet set;
    InitStationTable(set);
    set.land(1) = LandReport{5, 0, 3, 0, 0};  // 那覇: direction and 雨 stored, but nothing reported
    const std::string blank = "那覇" + Sp(6) + kCalm + Sp(3) + "  0" + " " + Sp(6) + "    0" + "  0";
    EXPECT_EQ(Text(LandRowFromData(set, 1, LandWeather::OnlyWithReport)), blank);
    EXPECT_EQ(Text(LandRowFromData(set, 1, LandWeather::Always)),
              "那覇" + Sp(6) + kCalm + Sp(3) + "  0" + " " + "雨" + Sp(5) + "    0" + "  0");

    // Calm with a pressure: three ideographic spaces for the direction, weather shown.
    set.land(2) = LandReport{7, 0, 2, 1008, -5};
    EXPECT_EQ(Text(LandRowFromData(set, 2, LandWeather::OnlyWithReport)),
              "南大東島" + Sp(4) + kCalm + Sp(3) + "  0" + " " + "くもり" + Sp(3) + " 1008" + " -5");
}

TEST(EntryRows, OverWideLandValuesAreWrittenInFull) {
    ObservationSet set;
    InitStationTable(set);
    set.stationName(3) = "とても長い観測地の名前";
    set.land(3) = LandReport{0, 3, 11, 10000, -100};  // weather code past the table shows as ""
    EXPECT_EQ(Text(LandRowFromData(set, 3, LandWeather::OnlyWithReport)),
              "とても長い観測地の名前" + std::string("北") + Sp(5) + "  3" + " " + Sp(6) + " 10000" + "-100");
}

TEST(EntryRows, ShipRows) {
    EXPECT_EQ(Text(ShipRow{"30", "135", "南", "4", "くもり", "1008"}),
              "  30" + std::string(" 135") + "南" + Sp(5) + "  4" + " " + "くもり" + Sp(3) + " 1008");
    // Rebuilt from the data: the weather is shown even without pressure and force.
    EXPECT_EQ(Text(ShipRowFromData(ShipReport{30, 135, 8, 0, 9, 0})),
              "  30" + std::string(" 135") + kCalm + Sp(3) + "  0" + " " + "霧" + Sp(5) + "    0");
    EXPECT_EQ(Text(ShipRowFromData(ShipReport{30, 135, -1, 2, -1, 1008})),
              "  30" + std::string(" 135") + Sp(6) + "  2" + " " + Sp(6) + " 1008");
}

TEST(EntryRows, FisheryRowsTypedRebuiltAndMarkers) {
    EXPECT_EQ(Text(FisheryRow{"40", "150", "996", "低気圧"}), "  40" + std::string(" 150") + "  996" + " " + "低気圧");
    EXPECT_EQ(Text(FisheryRowFromData(FisheryEntry{"低気圧", 40, 150, 996})),
              "  40" + std::string("  150") + "  996" + " " + "低気圧");
    // A front point has no pressure: an empty column, not a 0.
    EXPECT_EQ(Text(FisheryRowFromData(FisheryEntry{"寒冷前線", 35, 140, 0})),
              "  35" + std::string("  140") + Sp(5) + " " + "寒冷前線");
    EXPECT_EQ(Text(MarkerRow(FisheryEntry{"中心から", 40, 150, 0})), "  40" + std::string(" 150") + Sp(6) + "中心から");
    EXPECT_TRUE(IsMarkerKind("中心から"));
    EXPECT_TRUE(IsMarkerKind("そこから"));
    EXPECT_FALSE(IsMarkerKind("ここから"));
    EXPECT_FALSE(IsMarkerKind("低気圧"));
}

// What the list's columns show, or nothing when the row is shown as its text.
std::vector<std::string> Columns(const RowCells& cells) {
    std::vector<std::string> out;
    if (!LinesUpInColumns(cells)) return out;
    for (const RowCell& cell : cells) out.emplace_back(ColumnText(cell));
    return out;
}

LandRow Rebuilt(const std::string& name, const LandReport& report) {
    ObservationSet set;
    set.stationName(0) = name;
    set.land(0) = report;
    return LandRowFromData(set, 0, LandWeather::Always);
}

TEST(EntryRows, ColumnsShowTheFieldsOrTheRowIsShownAsItsText) {
    using Strings = std::vector<std::string>;
    struct Case {
        const char* what;
        RowCells cells;
        Strings columns;
    };
    const Case cases[] = {
        {"land typed, calm", CellsOf(LandRow{"那覇", kCalm, "0", "", "0", "0"}), {"那覇", kCalm, "0", "", "0", "0"}},
        {"land rebuilt, katakana, frost",
         CellsOf(Rebuilt("ﾎﾟﾛﾅｲｽｸ", {14, 5, 4, 1002, -12})),
         {"ﾎﾟﾛﾅｲｽｸ", "北東", "5", "雪", "1002", "-12"}},
        {"ship typed",
         CellsOf(ShipRow{"34", "135", "南南西", "12", "みぞれ", "1008"}),
         {"34", "135", "南南西", "12", "みぞれ", "1008"}},
        {"ship rebuilt, calm",
         CellsOf(ShipRowFromData({40, 136, 3, 0, -1, 996})),
         {"40", "136", kCalm, "0", "", "996"}},
        {"fishery typed front point", CellsOf(FisheryRow{"38", "145", "", "温暖前線"}), {"38", "145", "", "温暖前線"}},
        {"fishery marker", CellsOf(MarkerRow({"中心から", 44, 150, 0})), {"44", "150", "", "中心から"}},
        {"fishery rebuilt high",
         CellsOf(FisheryRowFromData({"高気圧", 45, 110, 1044})),
         {"45", "110", "1044", "高気圧"}},
        {"fishery rebuilt marker",
         CellsOf(FisheryRowFromData({"そこから", 44, 150, 0})),
         {"44", "150", "", "そこから"}},
        {"typed weather ends in a space",
         CellsOf(ShipRow{"34", "135", "北", "3", "雨 ", "1008"}),
         {"34", "135", "北", "3", "雨", "1008"}},

        {"bare station name", CellsOf(LandRow{.name = "石垣島", .nameOnly = true}), {}},
        // A temperature the scroll control already showed keeps its decimals.
        {"land typed, temperature 12.5", CellsOf(LandRow{"石垣島", "北", "3", "晴れ", "1013", "12.5"}), {}},
        {"land rebuilt, name of 10", CellsOf(Rebuilt("カムチャツカ半島南部", {0, 2, 1, 1010, 3})), {}},
        {"land rebuilt, grown by two", CellsOf(Rebuilt("那覇", {0, 3, 1, 10000, 100})), {}},
        {"ship longitude 10000", CellsOf(ShipRowFromData({34, 10000, 0, 3, 1, 1013})), {}},
        {"fishery pressure 100000", CellsOf(FisheryRowFromData({"高気圧", 40, 140, 100000})), {}},
        {"typed weather with a space inside", CellsOf(LandRow{"那覇", "北", "3", "晴 れ", "1013", "5"}), {}},
    };
    for (const Case& c : cases) EXPECT_EQ(Columns(c.cells), c.columns) << c.what;
}

}  // namespace
}  // namespace isobra
