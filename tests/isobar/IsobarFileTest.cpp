#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GridTestSupport.h"
#include "isobar/GridConstruction.h"
#include "isobar/IsobarFile.h"
#include "model/FileAccess.h"
#include "model/ObservationFile.h"
#include "model/ShiftJis.h"
#include "state/AppState.h"
#include "support/WinterExample.h"

namespace isobra {
namespace {

std::string Sjis(const std::string& utf8) { return ToShiftJis(utf8).value_or(""); }

// A state with 54 stations and, after them, one ship and the given items.
AppState WithItems(const std::vector<PlotSlot>& items) {
    AppState state;
    PlotTable& t = state.field.plotTable;
    t.stationCount = 54;
    t.shipCount = 1;
    t.slot(55) = PlotSlot{100, 100, 0, "高気圧"};  // a ship slot is never an item
    t.lastPlotIndex = 55;
    for (const PlotSlot& p : items) t.slot(++t.lastPlotIndex) = p;
    t.fisheryCount = static_cast<int>(items.size());
    return state;
}

std::string GridLines(int value) {
    std::string row;
    for (int ix = 0; ix <= 25; ++ix) row += " " + std::to_string(value) + " " + (ix < 25 ? "," : "\r\n");
    std::string all;
    for (int iy = 0; iy <= 25; ++iy) all += row;
    return all;
}

TEST(IsobarFile, WritesGridCountAndItems) {
    AppState state = WithItems({{210, 164, 99000, "低気圧"},
                                {1, 2, 0, "中心から"},
                                {220, 170, 0, "寒冷前線"},
                                {300, 300, 101200, "等圧線"},
                                {-5, 0, 0, "台風"}});
    test::FillGrids(state.field, 0);
    state.field.pressureGrid.at(1, 0) = 101200;
    state.field.pressureGrid.at(25, 25) = -3;
    const Result<std::string> file = WriteIsobarFile(state.field);
    ASSERT_TRUE(file.ok());
    EXPECT_EQ(file.value().substr(0, 20), " 0 , 101200 , 0 , 0 ");
    const std::string text = FromShiftJis(file.value()).value_or("");
    EXPECT_NE(text.find(" 0 , 0 ,-3 \r\n 3 \r\n低気圧, 210 , 164 \r\n寒冷前線, 220 , 170 \r\n台風,-5 , 0 \r\n"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 18), "\r\n台風,-5 , 0 \r\n");

    const Result<std::string> empty = WriteIsobarFile(WithItems({}).field);
    const std::string tail = empty.value().substr(empty.value().size() - 11);
    EXPECT_EQ(tail, ", 0 \r\n 0 \r\n");
}

TEST(IsobarFile, NoFileIsWrittenThatTheReaderWouldRefuse) {
    AppState state = WithItems({{-kGridValueLimit, kGridValueLimit, 0, "低気圧"}});
    test::FillGrids(state.field, kGridValueLimit);
    state.field.pressureGrid.at(3, 2) = -kGridValueLimit;
    const Result<std::string> widest = WriteIsobarFile(state.field);
    ASSERT_TRUE(widest) << widest.message();
    EXPECT_TRUE(ParseIsobarFile(*widest, state.field.grid, 54));

    state.field.pressureGrid.at(7, 0) = kGridValueLimit + 1;
    EXPECT_EQ(WriteIsobarFile(state.field).message(),
              "格子点（7, 0）の気圧（10000000）が等圧線データに書ける範囲（±9999999）を超えています");
    state.field.pressureGrid.at(7, 0) = 0;
    state.field.plotTable.slot(56).y = -kGridValueLimit - 1;
    EXPECT_EQ(WriteIsobarFile(state.field).message(),
              "低気圧の位置（-10000000）が等圧線データに書ける範囲（±9999999）を超えています");
}

TEST(IsobarFile, RoundTripThroughTheExample) {
    AppState state;
    const Status example = test::LoadWinterExample(state);
    ASSERT_TRUE(example.ok());
    ASSERT_TRUE(ComputePressureGrid(state.observations, state.field));
    const Result<std::string> file = WriteIsobarFile(state.field);
    ASSERT_TRUE(file.ok());

    const Result<IsobarFileData> parsed = ParseIsobarFile(file.value(), state.field.grid, 54);
    ASSERT_TRUE(parsed) << parsed.message();
    EXPECT_EQ(parsed->items.size(), 8u);  // high, low and six front points
    AppState loaded;
    ASSERT_TRUE(ApplyIsobarFile(*parsed, loaded.observations.stationCount(), loaded.field));
    for (int iy = 0; iy <= 25; ++iy)
        for (int ix = 0; ix <= 25; ++ix)
            ASSERT_EQ(loaded.field.pressureGrid.at(ix, iy), state.field.pressureGrid.at(ix, iy));
    EXPECT_EQ(IsobarFileItems(loaded.field.plotTable), IsobarFileItems(state.field.plotTable));
    EXPECT_EQ(WriteIsobarFile(loaded.field).value(), file.value());
}

TEST(IsobarFile, LoadingPutsItemsAfterTheStationsWithNoShips) {
    AppState state = WithItems({});
    state.field.plotTable.slot(55).pressure = 4242;
    state.observations.SetShipCount(3);
    state.observations.SetFisheryCount(5);
    const std::string bytes = Sjis(GridLines(101000) + " 2 \r\n高気圧, 100 , 120 \r\n停滞前線 , 150 , 160 \r\n");
    const Result<IsobarFileData> parsed = ParseIsobarFile(bytes, state.field.grid, 54);
    ASSERT_TRUE(parsed) << parsed.message();
    ASSERT_TRUE(ApplyIsobarFile(*parsed, state.observations.stationCount(), state.field));
    const PlotTable& t = state.field.plotTable;
    EXPECT_EQ(t.stationCount, 54);
    EXPECT_EQ(t.shipCount, 0);
    EXPECT_EQ(t.fisheryCount, 2);
    EXPECT_EQ(t.lastPlotIndex, 56);
    EXPECT_EQ(t.slot(55), (PlotSlot{100, 120, 0, "高気圧"}));  // the file has no pressures: none is left over
    EXPECT_EQ(t.slot(56).kind, "停滞前線");
    EXPECT_TRUE(state.field.pressureGrid.IsComputed());
    // The observations are not the plot table's business.
    EXPECT_EQ(state.observations.shipCount(), 3);
    EXPECT_EQ(state.observations.fisheryCount(), 5);
}

struct BrokenFile {
    const char* what;
    std::string bytes;
    int stations;
    int line;
    std::string message;
};

TEST(IsobarFile, BrokenFilesAreRefusedWithLineAndReason) {
    std::string shortGrid = GridLines(101000);
    shortGrid.resize(shortGrid.size() - 40);
    std::string bigValue = GridLines(101000);
    bigValue.replace(bigValue.find("101000"), 6, "10000000");
    const std::vector<BrokenFile> cases = {
        {"grid cut short", shortGrid, 54, 26, "ファイルが26行目で終わっていて、格子点（22, 25）の気圧がありません。"},
        {"no count", GridLines(101000), 54, 26,
         "ファイルが26行目で終わっていて、高気圧・低気圧・前線の数がありません。"},
        {"grid value too large", bigValue + " 0 \r\n", 54, 1,
         "1行目の格子点（0, 0）の気圧（10000000）が大きすぎます。"},
        {"items missing", Sjis(GridLines(101000) + " 2 \r\n低気圧, 1 , 2 \r\n"), 54, 28,
         "ファイルが28行目で終わっていて、2件目の種類がありません。"},
        {"more items than the plot table holds", GridLines(101000) + " 47 \r\n", 54, 27,
         "27行目の高気圧・低気圧・前線の数（47）が0から46までの範囲にありません。"},
        {"negative count", GridLines(101000) + "-1\r\n", 54, 27,
         "27行目の高気圧・低気圧・前線の数（-1）が0から46までの範囲にありません。"},
        {"position too large", Sjis(GridLines(101000) + " 1 \r\n低気圧, 1 , 99999999 \r\n"), 54, 28,
         "28行目の1件目のy座標（99999999）が大きすぎます。"},
        {"last line without line end", GridLines(101000) + " 0 ", 54, 27,
         "最後の行（27行目）に改行がありません。途中で切れているかもしれません。"},
        {"kind not Shift-JIS", GridLines(101000) + " 1 \r\n\x83\xff, 1 , 2 \r\n", 54, 28,
         "28行目にShift-JISとして読めない文字があります。"},
    };
    for (const BrokenFile& c : cases) {
        const Result<IsobarFileData> parsed = ParseIsobarFile(c.bytes, GridSettings{}, c.stations);
        EXPECT_FALSE(parsed) << c.what;
        EXPECT_EQ(parsed.line(), c.line) << c.what;
        EXPECT_EQ(parsed.message(), c.message) << c.what;
    }
    const Result<IsobarFileData> full = ParseIsobarFile(GridLines(101000) + " 0 \r\n", GridSettings{}, 101);
    EXPECT_FALSE(full);
    EXPECT_EQ(full.message(), "地点が101か所あり、等圧線データの高気圧・低気圧・前線を置く場所がありません。");
    EXPECT_TRUE(ParseIsobarFile(
        GridLines(101000) + " 46 \r\n" +
            [] {
                std::string s;
                for (int i = 0; i < 46; ++i) s += "x, 1 , 2 \r\n";
                return s;
            }(),
        GridSettings{}, 54));
}

TEST(IsobarFile, ApplyRefusesDataThatDoNotFit) {
    AppState state;
    const AppState before = state;
    IsobarFileData data;
    data.grid.assign(26 * 26 - 1, 101000);
    EXPECT_FALSE(ApplyIsobarFile(data, state.observations.stationCount(), state.field));
    data.grid.push_back(101000);
    data.items.assign(47, IsobarFileItem{"低気圧", 1, 2});
    EXPECT_FALSE(ApplyIsobarFile(data, state.observations.stationCount(), state.field));
    EXPECT_EQ(state.field.pressureGrid, before.field.pressureGrid);
    EXPECT_EQ(state.field.plotTable, before.field.plotTable);
}

}  // namespace
}  // namespace isobra
