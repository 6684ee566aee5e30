#include <gtest/gtest.h>

#include <cstdint>

#include "IsobarMaps.h"
#include "canvas/RecordingCanvas.h"
#include "isobar/GridConstruction.h"
#include "isobar/GridPasses.h"
#include "isobar/IsobarDrawing.h"
#include "state/AppState.h"

namespace isobra {
namespace {

std::uint64_t GridHash(const PressureGrid& g) {
    std::uint64_t h = 1469598103934665603ULL;
    for (int iy = 0; iy <= 25; ++iy)
        for (int ix = 0; ix <= 25; ++ix) {
            h ^= static_cast<std::uint32_t>(g.at(ix, iy));
            h *= 1099511628211ULL;
        }
    return h;
}

TEST(ComputePressureGrid, ExampleFillsEveryNodeWithAPlausiblePressure) {
    AppState state = test::WinterExample();
    EXPECT_EQ(CountLandPressures(state.observations), 53);  // 富士山 has none
    const Result<GridConstructionReport> result = ComputePressureGrid(state.observations, state.field);
    ASSERT_TRUE(result.ok());
    EXPECT_FALSE(result->tooSparse);
    EXPECT_TRUE(result->warnings.empty());
    EXPECT_TRUE(state.field.pressureGrid.IsComputed());
    for (int iy = 0; iy <= 25; ++iy)
        for (int ix = 0; ix <= 25; ++ix) {
            EXPECT_GT(state.field.pressureGrid.at(ix, iy), 95000) << ix << "," << iy;
            EXPECT_LT(state.field.pressureGrid.at(ix, iy), 106000) << ix << "," << iy;
        }
    // The low east of Hokkaido and the high over the continent.
    EXPECT_LT(state.field.pressureGrid.at(21, 6), 98500);
    EXPECT_GT(state.field.pressureGrid.at(9, 5), 103500);

    RecordingCanvas canvas;
    DrawIsobars(canvas, state.field, state.colours.ColorOf(kIsobarColour));
    EXPECT_GT(canvas.Of(RecordingCanvas::Op::Line).size(), 500u);
    ASSERT_EQ(canvas.Of(RecordingCanvas::Op::Text).size(), 2u);
    EXPECT_EQ(canvas.Of(RecordingCanvas::Op::Text)[0].text, "高");
    EXPECT_EQ(canvas.Of(RecordingCanvas::Op::Text)[1].text, "低");
}

TEST(ComputePressureGrid, SameObservationsGiveTheSameGridBitForBit) {
    AppState first = test::WinterExample();
    AppState second = test::WinterExample();
    second.field.pressureGrid.Fill(777);  // leftovers of an earlier construction
    second.field.workGrid.Fill(-5);
    ASSERT_TRUE(ComputePressureGrid(first.observations, first.field));
    ASSERT_TRUE(ComputePressureGrid(second.observations, second.field));
    EXPECT_EQ(first.field.pressureGrid, second.field.pressureGrid);
    // Pinned: a faster pass that changes any node changes this.
    EXPECT_EQ(GridHash(first.field.pressureGrid), 4346126084627213943ULL)
        << std::hex << GridHash(first.field.pressureGrid);
}

TEST(ComputePressureGrid, SparseDataEndTheFillingAndSaySo) {
    AppState state;
    for (int k = 0; k < 54; ++k) state.observations.land(k) = LandReport{};
    state.observations.land(20).pressure = 1008;  // one station, no centres
    const Result<GridConstructionReport> result = ComputePressureGrid(state.observations, state.field);
    ASSERT_TRUE(result.ok());
    EXPECT_TRUE(result->tooSparse);
    ASSERT_EQ(result->warnings.size(), 1u);
    EXPECT_NE(result->warnings[0].find("少なすぎて"), std::string::npos);
    EXPECT_GT(state.field.pressureGrid.at(17, 11), 0);  // 輪島 (275, 164)

    state.observations.land(3).pressure = 1010;  // two stations far apart
    EXPECT_TRUE(ComputePressureGrid(state.observations, state.field)->tooSparse);
}

TEST(ComputePressureGrid, MoreThanOneHundredPlotSlotsAreRefused) {
    AppState state = test::WinterExample();
    state.observations.SetShipCount(40);
    state.observations.SetFisheryCount(7);  // 54 + 40 + 7 = 101
    EXPECT_FALSE(ComputePressureGrid(state.observations, state.field));
    AppState before = state;
    before.observations.SetFisheryCount(6);
    EXPECT_TRUE(ComputePressureGrid(before.observations, before.field).ok());
    const AppState snapshot = state;
    const Result<GridConstructionReport> result = ComputePressureGrid(state.observations, state.field);
    EXPECT_FALSE(result.ok());
    EXPECT_NE(result.message().find("101件"), std::string::npos);
    EXPECT_EQ(state.field.pressureGrid, snapshot.field.pressureGrid);
    EXPECT_EQ(state.field.plotTable, snapshot.field.plotTable);
}

TEST(ComputePressureGrid, FarIsobarPointsAreLeftOutAndFarCentresStay) {
    AppState state = test::WinterExample();
    ObservationSet& obs = state.observations;
    const int f = obs.fisheryCount();
    obs.fishery(f) = FisheryEntry{"等圧線", 15, 160, 1012};  // projects to node (31, 20)
    obs.fishery(f + 1) = FisheryEntry{"高気圧", 12, 100, 1030};
    obs.SetFisheryCount(f + 2);
    const Result<GridConstructionReport> result = ComputePressureGrid(state.observations, state.field);
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(result->leftOutIsobarPoints, 1);
    ASSERT_EQ(result->warnings.size(), 1u);
    EXPECT_NE(result->warnings[0].find("1個"), std::string::npos);
}

TEST(ComputePressureGrid, ThePlotTableRemembersItsCounts) {
    AppState state = test::WinterExample();
    ASSERT_TRUE(ComputePressureGrid(state.observations, state.field));
    const PlotTable& t = state.field.plotTable;
    EXPECT_EQ(t.stationCount, 54);
    EXPECT_EQ(t.shipCount, 4);
    EXPECT_EQ(t.fisheryCount, 8);
    EXPECT_EQ(t.lastPlotIndex, 66);
    EXPECT_EQ(t.slot(59).kind, "高気圧");
    // Ships added to the lists later do not shift the letters.
    state.observations.SetShipCount(9);
    RecordingCanvas canvas;
    DrawIsobars(canvas, state.field, state.colours.ColorOf(kIsobarColour));
    EXPECT_EQ(canvas.Of(RecordingCanvas::Op::Text).size(), 2u);
}

TEST(BuildPlotTable, StationsShipsAndFisheryInTheirSlots) {
    AppState state = test::WinterExample();
    ObservationSet& obs = state.observations;
    obs.SetStationCount(50);  // as after loading a file with 50 stations
    obs.land(50).pressure = 1050;
    ASSERT_TRUE(BuildPlotTable(state.observations, state.field));
    const PlotTable& t = state.field.plotTable;
    EXPECT_EQ(t.slot(0), (PlotSlot{173, 270, 102400, "石垣島"}));
    EXPECT_EQ(t.slot(50).pressure, 0);  // the free slot: its report is not in use
    EXPECT_EQ(t.slot(50).x, 128);
    EXPECT_EQ(t.slot(51), (PlotSlot{331, 150, 98700, ""}));  // ship 38 N 146 E, 987 hPa
    EXPECT_EQ(t.slot(55), (PlotSlot{133, 70, 104400, "高気圧"}));
    EXPECT_EQ(t.lastPlotIndex, 62);
}

TEST(CountLandPressures, OnlyLandStationsInUseWithAPressure) {
    ObservationSet obs;
    obs.SetStationCount(54);
    for (int k = 0; k < 19; ++k) obs.land(k).pressure = 1000;
    obs.land(30).pressure = -3;
    obs.land(60).pressure = 1000;  // beyond the count
    obs.SetShipCount(1);
    obs.ship(0).pressure = 1000;
    EXPECT_EQ(CountLandPressures(obs), 19);
    obs.land(53).pressure = 990;
    EXPECT_EQ(CountLandPressures(obs), 20);
}

}  // namespace
}  // namespace isobra
