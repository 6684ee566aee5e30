// Reading a script back: the spellings a person may type, the words it
// cannot read, and the round trip through both forms.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/FileAccess.h"
#include "model/ObservationFile.h"
#include "model/PressureField.h"
#include "model/StationTable.h"
#include "report/ReportScript.h"
#include "report/ScriptReader.h"

namespace isobra {
namespace {

ObservationSet Stations() {
    ObservationSet set;
    InitStationTable(set);
    return set;
}

// Two sets mean the same when they save to the same observation file.
std::string Saved(const ObservationSet& set) {
    const Result<std::string> bytes = WriteObservationFile(set);
    EXPECT_TRUE(bytes) << bytes.message();
    return bytes.ok() ? *bytes : std::string();
}

TEST(ScriptReader, TakesKanaFullWidthDigitsSpacesAndSeveralSentencesALine) {
    struct Case {
        const char* script;
        int slot;
        LandReport land;
    };
    const Case cases[] = {
        {"石垣島では、北の風、風力3、晴れ、1012ヘクトパスカル、25度。", 0, {0, 3, 1, 1012, 25}},
        {"いしがきじまでわ、きたのかぜ、ふうりょく３、はれ、１０１２ヘクトパスカル、２５ど。", 0, {0, 3, 1, 1012, 25}},
        {"イヅハラデハ、　カゼヨワク , －５度", 6, {0, 0, kWeatherUnknown, 0, -5}},
        {"ポロナイスクでは、西の風、風力1、ゆき、ひょうてんか14ど.", 29, {4, 1, 4, 0, -14}},
        {"ﾎﾟﾛﾅｲｽｸでは、北西の風、風力2、霧、マイナス3度。\r", 29, {2, 2, 9, 0, -3}},
        {"各地の天気です。富士山では、北北東の風、風力12、雷、氷点下22度。", 53, {15, 12, 8, 0, -22}},
    };
    for (const Case& c : cases) {
        const Result<ObservationSet> read = ReadReportScript(c.script, Stations());
        ASSERT_TRUE(read) << c.script << ": " << read.message();
        EXPECT_EQ(read->land(c.slot), c.land) << c.script;
    }
    // Ship and fishery lines, in their order, among empty lines.
    const Result<std::string> mixed = []() -> Result<std::string> {
        const Result<ObservationSet> read = ReadReportScript(
            "\xEF\xBB\xBF\n北緯30度、東経135度の船では、南の風、風力4。\n\n"
            "ほくい40ど、とうけい150どに、996ヘクトパスカルのていきあつがあります。"
            "かんれいぜんせんが、ていきあつのちゅうしんからのびて、北緯38度、東経145度を通っています。\n"
            "北緯35度に、「寒波、強い」があります。\n",
            Stations());
        if (!read) return Result<std::string>::Fail(read.message());
        std::string out;
        for (int k = 0; k < read->fisheryCount(); ++k) {
            const FisheryEntry& e = read->fishery(k);
            out += e.kind + " " + std::to_string(e.latitude) + " " + std::to_string(e.longitude) + " " +
                   std::to_string(e.pressure) + "; ";
        }
        return out + std::to_string(read->ship(0).longitude);
    }();
    ASSERT_TRUE(mixed) << mixed.message();
    EXPECT_EQ(*mixed, "低気圧 40 150 996; 寒冷前線 40 150 0; 寒冷前線 38 145 0; 寒波、強い 35 0 0; 135");
}

TEST(ScriptReader, NamesTheLineAndTheWordsItCannotRead) {
    struct Case {
        const char* script;
        const char* message;
    };
    const Case cases[] = {
        {"各地の天気です。\n東京では、晴れ。", "2行目の「東京」という観測地点はありません。"},
        {"那覇では、北の風、風力さん。", "1行目の「風力さん」が読めません。"},
        {"那覇では、北の風、風力3、風力4。", "1行目の「風力4」は二つ目の風力です。"},
        {"那覇では、晴れ。\n\n那覇では、雨。", "3行目の那覇は、1行目にもあります。"},
        {"北緯30度の船では、南の風、20度。", "1行目の「20度」が読めません。"},
        {"寒冷前線が、低気圧の中心からのびています。",
         "1行目の「低気圧の中心からのびています」の前に低気圧がありません。"},
        {"寒冷前線が、北緯30度、東経130度。", "1行目の「東経130度」が読めません。"},
        {"北緯30度、東経130度、高気圧があります。", "1行目の「東経130度」が読めません。"},
        {"きょうは晴れ、あしたは雨。", "1行目の「きょうは晴れ、あしたは雨」が読めません。"},
        {"那覇では、1012ヘクトパスカル、100000度。", "1行目の「100000度」が読めません。"},
        {"那覇では、\xff晴れ。", "1行目にUTF-8として読めない文字があります。"},
    };
    for (const Case& c : cases) {
        const Result<ObservationSet> read = ReadReportScript(c.script, Stations());
        ASSERT_FALSE(read) << c.script;
        EXPECT_EQ(read.message(), c.message) << c.script;
    }
    std::string ships;
    for (int k = 0; k <= kSlotCount; ++k) ships += "船では、風弱く。\n";
    const Result<ObservationSet> tooMany = ReadReportScript(ships, Stations());
    EXPECT_EQ(tooMany.message(), "102行目で船舶の報告が101件を超えました。");
    EXPECT_EQ(tooMany.line(), 102);
}

// A set of everything the observations can hold, drawn from mt19937's raw
// outputs (the same on every machine): missing values, calm, frost, odd
// kinds, fronts that start at a low or at the front before them, points
// with half a position.
ObservationSet RandomObservations(std::uint32_t seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return lo + static_cast<int>(rng() % static_cast<std::uint32_t>(hi - lo + 1)); };
    auto maybe = [&](int percent, int value) { return pick(1, 100) <= percent ? 0 : value; };
    ObservationSet set = Stations();
    for (int slot = 0; slot < set.stationCount(); ++slot)
        if (pick(1, 100) > 15)
            set.land(slot) = {pick(0, 15), maybe(15, pick(1, 12)), pick(0, 10), maybe(10, pick(900, 1100)),
                              pick(-40, 40)};
    set.SetShipCount(pick(0, 12));
    for (int k = 0; k < set.shipCount(); ++k)
        set.ship(k) = {
            maybe(10, pick(15, 60)),   maybe(10, pick(100, 160)), pick(0, 15), maybe(15, pick(1, 12)), pick(0, 10),
            maybe(10, pick(900, 1100))};
    const char* kinds[] = {"高気圧",   "低気圧", "台風",     "温暖前線", "寒冷前線", "停滞前線",
                           "閉塞前線", "等圧線", "中心から", "そこから", "寒波",     ""};
    set.SetFisheryCount(pick(0, 30));
    for (int k = 0; k < set.fisheryCount(); ++k) {
        FisheryEntry& e = set.fishery(k);
        e.kind = kinds[pick(0, 11)];
        if (k > 0 && pick(1, 100) <= 30) e.kind = set.fishery(k - 1).kind;  // runs
        e.latitude = maybe(10, pick(15, 60));
        e.longitude = maybe(10, pick(100, 160));
        if (k > 0 && pick(1, 100) <= 25) {  // where the entry before is
            e.latitude = set.fishery(k - 1).latitude;
            e.longitude = set.fishery(k - 1).longitude;
        }
        e.pressure = maybe(50, pick(900, 1100));
        if (k > 0 && pick(1, 100) <= 50) e.pressure = set.fishery(k - 1).pressure;
    }
    return set;
}

TEST(ScriptReader, ReadsBackWhatEitherFormTellsForTheDataFilesAndRandomSets) {
    std::vector<std::pair<std::string, ObservationSet>> sets;
    for (const char* name : {"../../examples/winter.dat", "katakana-and-frost.dat", "highest-pressure.dat",
                             "extreme-pressure.dat", "truncated-ships.dat"}) {
        const Result<std::string> bytes = ReadWholeFile(std::string(ISOBRA_TEST_DATA) + "/" + name);
        ASSERT_TRUE(bytes) << name;
        const Result<ObservationFileData> parsed = ParseObservationFile(*bytes);
        if (!parsed) continue;  // a broken file has nothing to tell
        ObservationSet set = Stations();
        PressureField field;
        ApplyObservationFile(*parsed, set, field);
        sets.emplace_back(name, set);
    }
    ASSERT_EQ(sets.size(), 3u);
    for (std::uint32_t seed = 1; seed <= 100; ++seed)
        sets.emplace_back("seed " + std::to_string(seed), RandomObservations(seed));

    for (const auto& [what, set] : sets) {
        for (ScriptForm form : {ScriptForm::Written, ScriptForm::Kana}) {
            const std::string script = ScriptText(MakeReportScript(set, form));
            const Result<ObservationSet> read = ReadReportScript(script, set);
            ASSERT_TRUE(read) << what << ": " << read.message() << "\n" << script;
            EXPECT_EQ(Saved(*read), Saved(set)) << what << "\n" << script;
        }
    }
}

}  // namespace
}  // namespace isobra
