// The report as text: one sentence pattern per kind of entry, in both forms.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "model/StationTable.h"
#include "report/KanaFolding.h"
#include "report/ReportScript.h"
#include "report/ReportWords.h"

namespace isobra {
namespace {

ObservationSet Stations() {
    ObservationSet set;
    InitStationTable(set);
    return set;
}

void AddFishery(ObservationSet& set, const std::vector<FisheryEntry>& entries) {
    for (const FisheryEntry& e : entries) {
        set.SetFisheryCount(set.fisheryCount() + 1);
        set.fishery(set.fisheryCount() - 1) = e;
    }
}

// The lines of the script after the heading of their part.
std::vector<std::string> Told(const ObservationSet& set, ScriptForm form = ScriptForm::Written) {
    std::vector<std::string> out;
    for (const ScriptSentence& s : MakeReportScript(set, form))
        if (s.part != ScriptPart::Heading) out.push_back(s.text);
    return out;
}

TEST(ReportScript, OneSentencePerEntryLeavingOutWhatIsMissing) {
    struct Case {
        const char* what;
        std::function<void(ObservationSet&)> fill;
        std::vector<std::string> told;
    };
    const std::vector<Case> cases = {
        {"a land station",
         [](ObservationSet& s) {
             s.land(0) = {0, 3, 1, 1012, 25};
         },
         {"石垣島では、北の風、風力3、晴れ、1012ヘクトパスカル、25度。"}},
        {"calm, unknown weather, frost",
         [](ObservationSet& s) {
             s.land(6) = {5, 0, kWeatherUnknown, 1008, -3};
         },
         {"厳原では、風弱く、1008ヘクトパスカル、氷点下3度。"}},
        {"no pressure, 0 degrees; a station without a report is not read",
         [](ObservationSet& s) {
             s.land(53) = {2, 9, 0, 0, 0};
             s.land(1) = {4, 0, 3, 0, 0};
         },
         {"富士山では、北西の風、風力9、快晴、0度。"}},
        {"ships, with and without a position",
         [](ObservationSet& s) {
             s.SetShipCount(3);
             s.ship(0) = {30, 135, 8, 4, 2, 1008};
             s.ship(1) = {0, 0, 0, 0, kWeatherUnknown, 0};
             s.ship(2) = {41, 0, 12, 12, 4, 0};
         },
         {"北緯30度、東経135度の船では、南の風、風力4、くもり、1008ヘクトパスカル。", "船では、風弱く。",
          "北緯41度の船では、東の風、風力12、雪。"}},
        {"centres, one without a pressure, one of an unknown kind",
         [](ObservationSet& s) {
             AddFishery(s, {{"高気圧", 45, 110, 1044}, {"台風", 0, 0, 0}, {"寒波", 50, 120, 1050}});
         },
         {"北緯45度、東経110度に、1044ヘクトパスカルの高気圧があります。", "台風があります。",
          "北緯50度、東経120度に、1050ヘクトパスカルの「寒波」があります。"}},
        {"a cold front from the low's centre, a warm one from it too, a pending marker",
         [](ObservationSet& s) {
             AddFishery(s, {{"低気圧", 44, 150, 964},
                            {"寒冷前線", 44, 150, 0},
                            {"寒冷前線", 40, 147, 0},
                            {"温暖前線", 44, 150, 0},
                            {"中心から", 44, 150, 0}});
         },
         {"北緯44度、東経150度に、964ヘクトパスカルの低気圧があります。",
          "寒冷前線が、低気圧の中心からのびて、北緯40度、東経147度を通っています。",
          "温暖前線が、低気圧の中心からのびています。", "中心から、北緯44度、東経150度。"}},
        {"one front turning into another; a point without a position",
         [](ObservationSet& s) {
             AddFishery(
                 s,
                 {{"停滞前線", 30, 120, 0}, {"停滞前線", 32, 130, 0}, {"閉塞前線", 32, 130, 0}, {"閉塞前線", 0, 0, 0}});
         },
         {"停滞前線が、北緯30度、東経120度、北緯32度、東経130度を通っています。",
          "閉塞前線が、そこからのびて、位置不明を通っています。"}},
        {"isobars told together while the pressure holds; a latitude then a longitude apart",
         [](ObservationSet& s) {
             AddFishery(s, {{"等圧線", 40, 130, 1012},
                            {"等圧線", 42, 135, 1012},
                            {"等圧線", 42, 0, 1012},
                            {"等圧線", 0, 140, 1012},
                            {"等圧線", 35, 140, 1016}});
         },
         {"1012ヘクトパスカルの等圧線が、北緯40度、東経130度、北緯42度、東経135度、北緯42度を通っています。",
          "1012ヘクトパスカルの等圧線が、東経140度を通っています。",
          "1016ヘクトパスカルの等圧線が、北緯35度、東経140度を通っています。"}},
    };
    for (const Case& c : cases) {
        ObservationSet set = Stations();
        c.fill(set);
        EXPECT_EQ(Told(set), c.told) << c.what;
    }
}

TEST(ReportScript, HeadingsOpenEachPartThatHasEntriesAndTheFormsGoStepByStep) {
    ObservationSet set = Stations();
    set.land(2) = {8, 2, 3, 1001, 17};
    set.SetShipCount(1);
    set.ship(0) = {30, 135, 8, 4, 2, 1008};
    const std::vector<ScriptSentence> written = MakeReportScript(set, ScriptForm::Written);
    const std::vector<ScriptSentence> kana = MakeReportScript(set, ScriptForm::Kana);
    EXPECT_EQ(ScriptText(written),
              "各地の天気です。\n南大東島では、南の風、風力2、雨、1001ヘクトパスカル、17度。\n船舶の報告です。\n"
              "北緯30度、東経135度の船では、南の風、風力4、くもり、1008ヘクトパスカル。\n");
    EXPECT_EQ(
        ScriptText(kana),
        "かくちのてんきです。\nみなみだいとうじまでわ、みなみのかぜ、ふうりょく2、あめ、1001ヘクトパスカル、17ど。\n"
        "せんぱくのほうこくです。\n"
        "ほくい30ど、とうけい135どのふねでわ、みなみのかぜ、ふうりょく4、くもり、1008ヘクトパスカル。\n");
    ASSERT_EQ(written.size(), kana.size());
    for (std::size_t i = 0; i < written.size(); ++i) {
        EXPECT_EQ(written[i].part, kana[i].part);
        EXPECT_EQ(written[i].first, kana[i].first);
    }
    EXPECT_EQ(written[1].first, 2);  // the station's slot
    EXPECT_TRUE(MakeReportScript(Stations(), ScriptForm::Written).empty());
}

// The engine reads kana and digits; a kanji left in the kana form would be
// spelt out as "Chinese letter".
TEST(ReportScript, TheKanaFormHoldsNoKanjiAndNamesReadApart) {
    ObservationSet set = Stations();
    for (int slot = 0; slot < kBuiltInStationCount; ++slot)
        set.land(slot) = {slot % 16, slot % 13, slot % 11, 990 + slot, slot - 20};
    set.SetShipCount(1);
    set.ship(0) = {30, 135, 15, 4, 9, 1008};
    const char* kinds[] = {"高気圧",   "低気圧",   "台風",   "温暖前線", "寒冷前線",
                           "停滞前線", "閉塞前線", "等圧線", "中心から", "そこから"};
    for (const char* kind : kinds) AddFishery(set, {{kind, 40, 140, 1000}});
    for (const ScriptSentence& s : MakeReportScript(set, ScriptForm::Kana)) {
        const std::vector<char32_t> text = DecodeUtf8(s.text).value();
        for (char32_t c : text) EXPECT_FALSE(c >= 0x4E00 && c <= 0x9FFF) << s.text;
    }

    std::set<std::string> readings;
    for (int slot = 0; slot < kBuiltInStationCount; ++slot)
        readings.insert(FoldForMatching(StationReading(set.stationName(slot))));
    EXPECT_EQ(readings.size(), std::size_t(kBuiltInStationCount));
    for (const auto& [name, reading] :
         std::vector<std::pair<const char*, const char*>>{{"石垣島", "いしがきじま"},
                                                          {"南大東島", "みなみだいとうじま"},
                                                          {"厳原", "いづはら"},
                                                          {"父島", "ちちじま"},
                                                          {"相川", "あいかわ"},
                                                          {"稚内", "わっかない"},
                                                          {"潮岬", "しおのみさき"}})
        EXPECT_EQ(StationReading(name), reading);
}

}  // namespace
}  // namespace isobra
