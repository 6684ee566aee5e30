// The sample and broken files of tests/data, read from disk as the program
// reads them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "isobar/GridConstruction.h"
#include "isobar/IsobarFile.h"
#include "model/FileAccess.h"
#include "model/ObservationFile.h"
#include "model/ShiftJis.h"
#include "state/AppState.h"

namespace isobra {
namespace {

std::string Bytes(const std::string& name) {
    const Result<std::string> file = ReadWholeFile(std::string(ISOBRA_TEST_DATA) + "/" + name);
    EXPECT_TRUE(file.ok()) << name << ": " << file.message();
    return file.value();
}

TEST(DataFiles, HalfWidthNamesAndFrostRoundTripByteForByte) {
    const std::string bytes = Bytes("katakana-and-frost.dat");
    const Result<ObservationFileData> parsed = ParseObservationFile(bytes);
    ASSERT_TRUE(parsed) << parsed.message();
    AppState state;
    ApplyObservationFile(*parsed, state.observations, state.field);
    EXPECT_EQ(state.observations.stationName(0), "ﾎﾟﾛﾅｲｽｸ");
    EXPECT_EQ(state.observations.land(2).temperature, -21);
    EXPECT_EQ(state.observations.land(4).pressure, 0);  // 富士山 is saved without one
    EXPECT_EQ(state.observations.fishery(1).kind, "中心から");
    EXPECT_EQ(WriteObservationFile(state.observations).value(), bytes);
}

TEST(DataFiles, BrokenObservationFilesNameLineAndProblem) {
    struct Case {
        const char* file;
        int line;
        const char* message;
    };
    const Case cases[] = {
        {"truncated-ships.dat", 10, "ファイルが10行目で終わっていて、船舶の報告の1件目の北緯がありません。"},
        {"not-shift-jis.dat", 6, "6行目にShift-JISとして読めない文字があります。"},
        {"too-many-ships.dat", 9, "9行目の船舶の報告の数（150）が0から101までの範囲にありません。"},
        {"extreme-pressure.dat", 5, "5行目の「南大東島」の気圧（99999）が大きすぎます。"},
    };
    for (const Case& c : cases) {
        const Result<ObservationFileData> parsed = ParseObservationFile(Bytes(c.file));
        EXPECT_FALSE(parsed) << c.file;
        EXPECT_EQ(parsed.line(), c.line) << c.file;
        EXPECT_EQ(parsed.message(), c.message) << c.file;
    }
}

TEST(DataFiles, TheExampleGivesTheSavedIsobarFile) {
    AppState state;
    const Result<ObservationFileData> winter = ParseObservationFile(Bytes("../../examples/winter.dat"));
    ASSERT_TRUE(winter);
    ApplyObservationFile(*winter, state.observations, state.field);
    ASSERT_TRUE(ComputePressureGrid(state.observations, state.field));
    EXPECT_EQ(WriteIsobarFile(state.field).value(), Bytes("winter-isobars.cnt"));

    const Result<IsobarFileData> cut = ParseIsobarFile(Bytes("truncated-grid.cnt"), state.field.grid, 54);
    EXPECT_FALSE(cut);
    EXPECT_EQ(cut.line(), 20);
    EXPECT_EQ(cut.message(), "ファイルが20行目で終わっていて、格子点（0, 20）の気圧がありません。");
}

// Load, build, save, load again: the isobar file the program writes is one
// its reader takes, with the same grid.
void ExpectIsobarFileReloads(AppState& state) {
    ASSERT_TRUE(ComputePressureGrid(state.observations, state.field));
    const Result<std::string> saved = WriteIsobarFile(state.field);
    ASSERT_TRUE(saved) << saved.message();
    const Result<IsobarFileData> back = ParseIsobarFile(*saved, state.field.grid, state.observations.stationCount());
    ASSERT_TRUE(back) << back.message();
    std::size_t at = 0;
    for (int iy = 0; iy <= 25; ++iy)
        for (int ix = 0; ix <= 25; ++ix) ASSERT_EQ(back->grid.at(at++), state.field.pressureGrid.at(ix, iy));
}

TEST(DataFiles, TheHighestPressureAFileHoldsGivesAnIsobarFileThatReloads) {
    AppState state;
    const Result<ObservationFileData> parsed = ParseObservationFile(Bytes("highest-pressure.dat"));
    ASSERT_TRUE(parsed) << parsed.message();
    ApplyObservationFile(*parsed, state.observations, state.field);
    ASSERT_EQ(state.observations.land(2).pressure, 9999);
    ExpectIsobarFileReloads(state);
}

TEST(DataFiles, PressuresNoFileHoldsStillGiveAnIsobarFileThatReloads) {
    // 99999 hPa at 南大東島 once drove the extrapolation to 26474765: the
    // reader now refuses such a file, and the grid stays within what the
    // isobar file carries even when such a value stands in memory.
    AppState state;
    ApplyObservationFile(*ParseObservationFile(Bytes("../../examples/winter.dat")), state.observations, state.field);
    state.observations.land(2).pressure = 99999;
    ExpectIsobarFileReloads(state);
    for (int iy = 0; iy <= 25; ++iy)
        for (int ix = 0; ix <= 25; ++ix) EXPECT_LE(std::abs(state.field.pressureGrid.at(ix, iy)), kGridValueLimit);
}

TEST(DataFiles, WithoutTheCp932ConverterEveryReadAndSaveSaysSo) {
    AppState state;
    const std::string winter = Bytes("../../examples/winter.dat");
    const std::string isobars = Bytes("winter-isobars.cnt");
    ASSERT_TRUE(ShiftJisAvailable());
    struct Restore {
        ~Restore() { UseCodePageForTests(""); }
    } restore;
    UseCodePageForTests("NO-SUCH-CODE-PAGE");
    EXPECT_FALSE(ShiftJisAvailable());
    const std::string sentence = "このシステムにはShift-JISの文字コード変換がありません。";
    EXPECT_EQ(ParseObservationFile(winter).message(), sentence);
    EXPECT_EQ(ParseIsobarFile(isobars, state.field.grid, 54).message(), sentence);
    // A file with nothing to convert is refused all the same: it could not be read back.
    EXPECT_EQ(WriteObservationFile(state.observations).message(), std::string(kNoShiftJis));
    EXPECT_EQ(WriteIsobarFile(state.field).message(), std::string(kNoShiftJis));
}

}  // namespace
}  // namespace isobra
