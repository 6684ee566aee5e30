#include <gtest/gtest.h>

#include "model/CodeTables.h"
#include "model/StationTable.h"
#include "state/AppState.h"

namespace isobra {
namespace {

TEST(StationTable, FiftyFourStationsInOrder) {
    ObservationSet set;
    InitStationTable(set);
    EXPECT_EQ(set.stationCount(), 54);
    EXPECT_EQ(set.stationName(0), "石垣島");
    EXPECT_EQ(set.stationPosition(0), (CanvasPoint{173, 270}));
    EXPECT_EQ(set.stationName(29), "ﾎﾟﾛﾅｲｽｸ");  // half-width katakana kept half-width
    EXPECT_EQ(set.stationName(53), "富士山");
    EXPECT_EQ(set.stationPosition(53), (CanvasPoint{282, 183}));
    EXPECT_EQ(set.stationName(54), "");
    EXPECT_EQ(set.stationPosition(54), (CanvasPoint{0, 0}));
    for (int i = 0; i < 54; ++i) {
        EXPECT_FALSE(set.stationName(i).empty()) << i;
        EXPECT_GT(set.stationPosition(i).x, 0) << i;
        EXPECT_GT(set.stationPosition(i).y, 0) << i;
    }
}

TEST(StationTable, MurotoMisakiLiesBetweenItsNeighbours) {
    ObservationSet set;
    InitStationTable(set);
    ASSERT_EQ(set.stationName(8), "室戸岬");
    const CanvasPoint muroto = set.stationPosition(8);
    EXPECT_EQ(muroto, (CanvasPoint{257, 198}));
    const CanvasPoint ashizuri = set.stationPosition(7);
    const CanvasPoint shionomisaki = set.stationPosition(13);
    EXPECT_GT(muroto.x, ashizuri.x);
    EXPECT_LT(muroto.x, shionomisaki.x);
    EXPECT_NEAR(muroto.y, (ashizuri.y + shionomisaki.y) / 2.0, 4);
}

TEST(ObservationSet, SlotsOutsideTheTablesAndCountsBeyondThemCannotBeUsed) {
    ObservationSet set;
    EXPECT_NO_THROW(set.land(100));
    EXPECT_THROW(set.land(101), std::out_of_range);
    EXPECT_THROW(set.ship(-1), std::out_of_range);
    EXPECT_THROW(set.fishery(1000), std::out_of_range);
    EXPECT_THROW(set.stationPosition(150), std::out_of_range);
    set.SetShipCount(102);
    EXPECT_EQ(set.shipCount(), 101);
    set.SetFisheryCount(-1);
    EXPECT_EQ(set.fisheryCount(), 0);
}

TEST(CodeTables, TextsAndLookups) {
    EXPECT_EQ(WindDirectionText(0), "北");
    EXPECT_EQ(WindDirectionText(4), "西");  // counter-clockwise from north
    EXPECT_EQ(WindDirectionText(12), "東");
    EXPECT_EQ(WindDirectionText(15), "北北東");
    EXPECT_EQ(WindDirectionText(-1), "");
    EXPECT_EQ(WindDirectionText(16), "");
    EXPECT_EQ(WeatherText(0), "快晴");
    EXPECT_EQ(WeatherText(10), "不明");
    EXPECT_EQ(WeatherText(11), "");
    EXPECT_EQ(FindWindDirection("南南東"), 9);
    EXPECT_EQ(FindWindDirection(""), -1);
    EXPECT_EQ(FindWeather("みぞれ"), 5);
    EXPECT_EQ(FindWeather("晴"), -1);
}

TEST(AppState, StartupValues) {
    AppState state;
    EXPECT_EQ(state.field.grid.gridMaxX, 25);
    EXPECT_EQ(state.field.grid.gridMaxY, 25);
    EXPECT_EQ(state.field.grid.cellWidth, 16);
    EXPECT_EQ(state.field.grid.cellHeight, 16);
    EXPECT_EQ(state.field.grid.pressureScale, 100);
    EXPECT_EQ(state.field.grid.isobarInterval, 200.0f);
    EXPECT_EQ(state.field.grid.isobarHalfInterval, 100.0f);
    EXPECT_EQ(state.field.plotTable.lastPlotIndex, 0);
    EXPECT_EQ(state.observations.stationCount(), 54);
    EXPECT_EQ(state.observations.shipCount(), 0);
    EXPECT_EQ(state.observations.fisheryCount(), 0);
    EXPECT_EQ(state.mouseMode, MouseMode::None);
    EXPECT_FALSE(state.field.pressureGrid.IsComputed());
    EXPECT_EQ(state.colours.ColorOf(kBackgroundColour), MakeColour(255, 255, 255));
    EXPECT_EQ(state.colours.ColorOf(kTextColour), MakeColour(0, 0, 0));
    for (int item : {kMapColour, kIsobarColour, kWeatherSymbolColour, kWindSymbolColour})
        EXPECT_EQ(state.colours.ColorOf(item), MakeColour(0, 0, 255)) << item;
    for (int item : {kWarmFrontColour, kColdFrontColour, kStationaryFrontColour, kOccludedFrontColour})
        EXPECT_EQ(state.colours.ColorOf(item), MakeColour(255, 0, 0)) << item;
}

TEST(ColorSettings, PaletteAndComposition) {
    EXPECT_EQ(MakeColour(255, 255, 0), 0x00ffffu);  // red in the low byte
    EXPECT_EQ(PaletteColor(9), 0xff0000u);          // blue is 65536 * 255
    EXPECT_EQ(PaletteColor(7), MakeColour(192, 192, 192));
    EXPECT_EQ(PaletteColor(16), 0u);
    ColorSettings c;
    c.SetColour(3, MakeColour(1, 2, 3));
    EXPECT_EQ(RedOf(c.ColorOf(3)), 1);
    EXPECT_EQ(GreenOf(c.ColorOf(3)), 2);
    EXPECT_EQ(BlueOf(c.ColorOf(3)), 3);
    c.SetColour(11, 5);  // not an item: ignored
    EXPECT_EQ(c.ColorOf(11), 0u);
    c.ResetToDefaults();
    EXPECT_EQ(c, ColorSettings{});
}

TEST(PressureGrid, NodesOutsideTheTableAreRefused) {
    PressureGrid grid;
    EXPECT_NO_THROW(grid.at(30, 30));
    EXPECT_THROW(grid.at(31, 0), std::out_of_range);
    EXPECT_THROW(grid.at(0, -1), std::out_of_range);
    grid.at(0, 0) = 101200;
    EXPECT_TRUE(grid.IsComputed());
    grid.MarkNotComputed();
    EXPECT_FALSE(grid.IsComputed());
}

TEST(EntryLists, EraseAllClearsReportsDateAndGridsButKeepsPositions) {
    AppState state;
    ObservationSet& obs = state.observations;
    obs.land(0) = {3, 4, 1, 1012, -5};
    obs.land(53) = {1, 1, 1, 1000, 1};
    obs.ship(0) = {30, 135, 8, 4, 2, 1008};
    obs.ship(1) = {31, 136, 8, 4, 2, 1006};
    obs.fishery(0) = {"低気圧", 40, 150, 996};
    obs.SetShipCount(2);
    obs.SetFisheryCount(1);
    obs.observationDate = "12月7日";
    state.field.pressureGrid.at(0, 0) = 101200;
    state.field.pressureGrid.at(25, 25) = 100000;
    state.field.workGrid.at(3, 4) = 5;

    state.lists.EraseAll(obs, state.field);

    EXPECT_EQ(obs.land(0), LandReport{});
    EXPECT_EQ(obs.land(53), LandReport{});
    EXPECT_EQ(obs.ship(0), (ShipReport{30, 135, 0, 0, 0, 0}));
    EXPECT_EQ(obs.ship(1), (ShipReport{31, 136, 0, 0, 0, 0}));
    EXPECT_EQ(obs.fishery(0), (FisheryEntry{"低気圧", 40, 150, 0}));
    EXPECT_EQ(obs.observationDate, "");
    EXPECT_EQ(state.field.pressureGrid, PressureGrid{});
    EXPECT_EQ(state.field.workGrid, WorkGrid{});
    EXPECT_EQ(obs.stationName(0), "石垣島");
    EXPECT_EQ(obs.shipCount(), 0);
    EXPECT_EQ(obs.fisheryCount(), 0);
}

}  // namespace
}  // namespace isobra
