#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "model/FileAccess.h"
#include "model/StationTable.h"
#include "state/GridReplacement.h"
#include "state/IsobarFileLoad.h"

namespace isobra {
namespace {

std::string DataFile(const char* name) { return std::string(ISOBRA_TEST_DATA) + "/" + name; }

// Whatever replaces the grid forgets the corrections, undone ones included,
// whether or not the new grid could be built.
TEST(GridReplacement, EveryReplacementForgetsTheCorrections) {
    const Result<std::string> observations = ReadWholeFile(DataFile("katakana-and-frost.dat"));
    ASSERT_TRUE(observations);
    const Result<ObservationFileData> data = ParseObservationFile(*observations);
    ASSERT_TRUE(data);
    const Result<std::string> isobars = ReadWholeFile(DataFile("winter-isobars.cnt"));
    ASSERT_TRUE(isobars);

    struct Case {
        const char* name;
        std::function<void(AppState&)> replace;
    };
    const Case cases[] = {
        {"observation file", [&](AppState& s) { ApplyObservationData(*data, s); }},
        {"erase all", [](AppState& s) { EraseAllObservations(s); }},
        {"construction", [](AppState& s) { ASSERT_TRUE(BuildPressureGrid(s)); }},
        {"refused construction",
         [](AppState& s) {
             s.observations.SetShipCount(kSlotCount);  // more reports than the plot table holds
             ASSERT_FALSE(BuildPressureGrid(s));
         }},
        {"isobar bytes", [&](AppState& s) { ASSERT_TRUE(ApplyIsobarBytes(*isobars, kBuiltInStationCount, s)); }},
    };
    for (const Case& c : cases) {
        AppState state;
        ApplyObservationData(*data, state);
        state.correctionHistory.Record(GridEdit{GridEdit::Kind::Node, {{4, 4, 0, 100}}});
        state.correctionHistory.Record(GridEdit{GridEdit::Kind::Node, {{5, 5, 0, 100}}});
        ASSERT_TRUE(state.correctionHistory.Undo(state.field.pressureGrid)) << c.name;
        c.replace(state);
        EXPECT_FALSE(state.correctionHistory.CanUndo()) << c.name;
        EXPECT_FALSE(state.correctionHistory.CanRedo()) << c.name;
    }
}

// "等圧線の表示" asks first below twenty land pressures of the stations in
// use; ships and stations beyond the count do not count.
TEST(GridReplacement, TheIsobarCommandAsksBelowTwentyLandPressures) {
    struct Case {
        int land;
        bool beyondCount;
        int ships;
        PressureSupply supply;
    };
    const Case cases[] = {
        {0, false, 5, PressureSupply::None},    {1, false, 0, PressureSupply::Few},
        {19, false, 5, PressureSupply::Few},    {19, true, 0, PressureSupply::Few},
        {20, false, 0, PressureSupply::Enough}, {kBuiltInStationCount, false, 0, PressureSupply::Enough},
    };
    for (const Case& c : cases) {
        AppState state;
        state.observations.SetStationCount(kBuiltInStationCount);
        for (int k = 0; k < c.land; ++k) state.observations.land(k).pressure = 1000 + k;
        if (c.beyondCount) state.observations.land(kBuiltInStationCount).pressure = 1000;
        state.observations.SetShipCount(c.ships);
        for (int k = 0; k < c.ships; ++k) state.observations.ship(k) = {30, 135 + k, 0, 0, 0, 1010};
        EXPECT_EQ(LandPressureSupply(state), c.supply) << c.land << " land, " << c.ships << " ships";
    }
}

}  // namespace
}  // namespace isobra
