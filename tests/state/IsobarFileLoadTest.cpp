#include <gtest/gtest.h>

#include <string>

#include "model/StationTable.h"
#include "state/AppState.h"
#include "state/IsobarFileLoad.h"

namespace isobra {
namespace {

std::string DataFile(const char* name) { return std::string(ISOBRA_TEST_DATA) + "/" + name; }

TEST(LoadIsobarFile, PutsTheItemsAfterTheGivenStationsAndTakesTheirCount) {
    AppState state;
    state.observations.SetStationCount(50);  // as after an observation file of 50 stations
    ASSERT_TRUE(LoadIsobarFile(DataFile("winter-isobars.cnt"), kBuiltInStationCount, state));
    EXPECT_EQ(state.observations.stationCount(), kBuiltInStationCount);
    const PlotTable& table = state.field.plotTable;
    EXPECT_EQ(table.stationCount, kBuiltInStationCount);
    EXPECT_EQ(table.shipCount, 0);
    EXPECT_EQ(table.fisheryCount, 8);
    EXPECT_EQ(table.lastPlotIndex, kBuiltInStationCount + 8);
    EXPECT_EQ(table.slot(kBuiltInStationCount + 1).kind, "高気圧");
    EXPECT_TRUE(state.field.pressureGrid.IsComputed());
}

TEST(LoadIsobarFile, ARefusedFileChangesNothingAndSaysWhyInASentence) {
    struct Case {
        const char* file;
        const char* message;
    };
    const Case cases[] = {
        {"missing.cnt", "ファイルかフォルダが見つかりません。"},
        {"truncated-grid.cnt", "ファイルが20行目で終わっていて、格子点（0, 20）の気圧がありません。"},
    };
    for (const Case& c : cases) {
        AppState state;
        state.field.pressureGrid.at(3, 4) = 101300;
        state.observations.SetStationCount(50);
        const PressureField before = state.field;
        const Status loaded = LoadIsobarFile(DataFile(c.file), kBuiltInStationCount, state);
        EXPECT_FALSE(loaded) << c.file;
        EXPECT_EQ(loaded.message(), c.message) << c.file;
        EXPECT_TRUE(state.field.pressureGrid == before.pressureGrid) << c.file;
        EXPECT_TRUE(state.field.plotTable == before.plotTable) << c.file;
        EXPECT_EQ(state.observations.stationCount(), 50) << c.file;
    }
}

}  // namespace
}  // namespace isobra
