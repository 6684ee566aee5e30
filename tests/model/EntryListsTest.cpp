#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/EntryLists.h"
#include "model/StationTable.h"

namespace isobra {
namespace {

ShipRow TypedShip(int latitude) { return {std::to_string(latitude), "140", "北", "3", "雨", "1008"}; }

std::vector<int> ShipLatitudes(const ObservationSet& obs) {
    std::vector<int> out;
    for (int k = 0; k < obs.shipCount(); ++k) out.push_back(obs.ship(k).latitude);
    return out;
}

// Which slot an entry goes to, for each selection, in a list of three.
TEST(ShipList, AppendsOnTheLastRowOrWithoutSelectionAndReplacesOtherwise) {
    struct Case {
        int selected;
        std::vector<int> latitudes;
        int next;
    };
    const Case cases[] = {
        {-1, {20, 21, 22, 50}, 3},                            // none selected: appended, never row 0
        {2, {20, 21, 22, 50}, 3},                             // the last row: appended
        {0, {50, 21, 22}, 1},                                 // replaced, the next row selected
        {1, {20, 50, 22}, 2},      {7, {20, 21, 22, 50}, 3},  // a stale selection beyond the list
    };
    for (const Case& c : cases) {
        ObservationSet obs;
        ShipList list;
        for (int lat = 20; lat < 23; ++lat) ASSERT_TRUE(list.Enter(obs, -1, {lat, 140, 0, 3, 3, 1008}, TypedShip(lat)));
        const Result<int> next = list.Enter(obs, c.selected, {50, 140, 0, 3, 3, 1008}, TypedShip(50));
        ASSERT_TRUE(next) << c.selected;
        EXPECT_EQ(*next, c.next) << c.selected;
        EXPECT_EQ(ShipLatitudes(obs), c.latitudes) << c.selected;
        EXPECT_EQ(list.RowCount(), obs.shipCount());
        for (int k = 0; k < list.RowCount(); ++k)
            EXPECT_EQ(list.Text(k).substr(0, 4), RowText(CellsOf(TypedShip(obs.ship(k).latitude))).substr(0, 4));
    }
}

TEST(ShipList, DeleteMovesTheLaterSlotsUpAndTheHundredAndSecondIsRefused) {
    ObservationSet obs;
    ShipList list;
    for (int lat = 20; lat < 24; ++lat) (void)list.Enter(obs, -1, {lat, 140, 0, 0, 0, 0}, TypedShip(lat));
    EXPECT_EQ(list.Delete(obs, 1), 0);
    EXPECT_EQ(ShipLatitudes(obs), (std::vector<int>{20, 22, 23}));
    EXPECT_EQ(list.Delete(obs, -1), -1);  // nothing selected: nothing goes
    EXPECT_EQ(obs.shipCount(), 3);
    EXPECT_EQ(list.Text(1).substr(0, 4), "  22");

    while (list.RowCount() < kSlotCount) (void)list.Enter(obs, -1, {15, 140, 0, 0, 0, 0}, TypedShip(15));
    const Result<int> refused = list.Enter(obs, -1, {59, 140, 0, 0, 0, 0}, TypedShip(59));
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.message(), kFullListMessage);
    EXPECT_EQ(obs.shipCount(), kSlotCount);
    EXPECT_TRUE(list.Enter(obs, 3, {59, 140, 0, 0, 0, 0}, TypedShip(59)));  // replacing still works
    EXPECT_EQ(obs.ship(3).latitude, 59);
}

struct FisheryFixture {
    ObservationSet obs;
    FisheryList list;
    int selected = -1;
    void Enter(const std::string& kind, int latitude, int pressure = 1000) {
        const Result<int> next = list.Enter(obs, selected, {kind, latitude, 140, pressure},
                                            {std::to_string(latitude), "140", std::to_string(pressure)});
        ASSERT_TRUE(next);
        selected = *next;
    }
    void Marker(std::string_view marker) { selected = *list.AddMarker(obs, selected, marker); }
    std::vector<std::string> Kinds() const {
        std::vector<std::string> out;
        for (int k = 0; k < obs.fisheryCount(); ++k) out.push_back(obs.fishery(k).kind);
        return out;
    }
};

TEST(FisheryList, MarkersNeedTheRightEntryBefore) {
    struct Case {
        std::string before;
        std::string_view marker;
        bool added;
    };
    const Case cases[] = {
        {"低気圧", kFromCentreMarker, true},  {"寒冷前線", kFromCentreMarker, false},
        {"高気圧", kFromCentreMarker, false}, {"低気圧", kFromThereMarker, true},
        {"停滞前線", kFromThereMarker, true}, {"台風", kFromThereMarker, false},
    };
    for (const Case& c : cases) {
        FisheryFixture f;
        f.Enter(c.before, 40);
        f.Marker(c.marker);
        EXPECT_EQ(f.obs.fisheryCount(), c.added ? 2 : 1) << c.before << " " << c.marker;
        if (c.added) {
            EXPECT_EQ(f.obs.fishery(1), (FisheryEntry{std::string(c.marker), 40, 140, 0}));
        }
    }
    FisheryFixture empty;
    empty.Marker(kFromThereMarker);  // nothing before, nothing selected
    EXPECT_EQ(empty.obs.fisheryCount(), 0);
}

TEST(FisheryList, AFrontTakesOverTheMarkerAndAnythingElseTakesItsPlace) {
    FisheryFixture front;
    front.Enter("低気圧", 40, 996);
    front.Marker(kFromCentreMarker);
    front.Enter("温暖前線", 38, 1004);
    EXPECT_EQ(front.Kinds(), (std::vector<std::string>{"低気圧", "温暖前線", "温暖前線"}));
    EXPECT_EQ(front.list.Text(1), "  40 140      中心から");                  // the marker row stays as it was shown
    EXPECT_EQ(front.obs.fishery(2), (FisheryEntry{"温暖前線", 38, 140, 0}));  // no pressure on a front
    EXPECT_EQ(front.selected, 2);

    FisheryFixture other;
    other.Enter("低気圧", 40);
    other.Marker(kFromCentreMarker);
    other.Enter("高気圧", 35);
    EXPECT_EQ(other.Kinds(), (std::vector<std::string>{"低気圧", "高気圧"}));
    EXPECT_EQ(other.list.RowCount(), 2);
    EXPECT_EQ(other.selected, 1);
}

TEST(LandList, EntryStoresTheReportAndCalmOrNoReportBlankTheirColumns) {
    ObservationSet obs;
    InitStationTable(obs);
    LandList list;
    list.ResetToNames(obs);
    ASSERT_EQ(list.RowCount(), 54);
    const LandRow texts{"", "北", "0", "晴れ", "1008", "5"};
    EXPECT_EQ(list.Enter(obs, -1, {0, 0, 1, 1008, 5}, texts), 1);  // none selected: the first station
    EXPECT_EQ(list.Text(0), "石垣島       　　　     0 晴れ     1008  5");
    EXPECT_EQ(list.Enter(obs, 53, {3, 0, 2, 0, 0}, texts), 53);  // the last row stays selected
    EXPECT_EQ(obs.land(53), (LandReport{3, 0, 0, 0, 0}));        // no report: no weather
    EXPECT_EQ(list.Enter(obs, 60, {3, 0, 2, 0, 0}, texts), 60);  // beyond the list: nothing

    obs.SetStationCount(50);  // a file with fewer stations was loaded
    list.TakeStationCount(obs);
    EXPECT_EQ(obs.stationCount(), 54);
}

TEST(EntryLists, EraseAllEmptiesTheListsAndTrimsThePlotTable) {
    ObservationSet obs;
    InitStationTable(obs);
    EntryLists lists;
    lists.land.ResetToNames(obs);
    (void)lists.ships.Enter(obs, -1, {30, 135, 0, 3, 3, 1008}, TypedShip(30));
    (void)lists.fishery.Enter(obs, -1, {"低気圧", 40, 150, 996}, {"40", "150", "996"});
    (void)lists.land.Enter(obs, 4, {2, 3, 1, 1012, 8}, {"", "北西", "3", "晴れ", "1012", "8"});
    PressureField field;
    field.plotTable.stationCount = 54;
    field.plotTable.shipCount = 1;
    field.plotTable.fisheryCount = 1;
    field.plotTable.lastPlotIndex = 56;
    field.pressureGrid.at(3, 3) = 101200;

    lists.EraseAll(obs, field);
    EXPECT_EQ(lists.land.Text(4), "鹿児島");
    EXPECT_EQ(lists.ships.RowCount() + lists.fishery.RowCount(), 0);
    EXPECT_EQ(obs.shipCount() + obs.fisheryCount(), 0);
    EXPECT_EQ(obs.land(4), LandReport{});
    EXPECT_EQ(field.plotTable.lastPlotIndex, 54);
    EXPECT_EQ(field.plotTable.shipCount + field.plotTable.fisheryCount, 0);
    EXPECT_FALSE(field.pressureGrid.IsComputed());
    EXPECT_EQ(field.pressureGrid.at(3, 3), 0);

    obs.ship(0) = {31, 136, 0, 0, 0, 0};
    obs.SetShipCount(1);
    lists.RebuildFromData(obs);
    ASSERT_EQ(lists.ships.RowCount(), 1);
    EXPECT_EQ(lists.ships.Text(0), RowText(CellsOf(ShipRowFromData(obs.ship(0)))));
}

}  // namespace
}  // namespace isobra
