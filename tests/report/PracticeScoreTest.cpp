// The score of a practice over hand-made pairs of what was read and what
// was typed.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/StationTable.h"
#include "report/PracticeScore.h"
#include "report/ReportScript.h"

namespace isobra {
namespace {

struct Pair {
    ObservationSet truth;
    ObservationSet typed;
};

Pair Stations() {
    Pair p;
    InitStationTable(p.truth);
    InitStationTable(p.typed);
    return p;
}

void Ships(ObservationSet& set, const std::vector<ShipReport>& ships) {
    set.SetShipCount(static_cast<int>(ships.size()));
    for (std::size_t k = 0; k < ships.size(); ++k) set.ship(static_cast<int>(k)) = ships[k];
}

void Fishery(ObservationSet& set, const std::vector<FisheryEntry>& entries) {
    set.SetFisheryCount(static_cast<int>(entries.size()));
    for (std::size_t k = 0; k < entries.size(); ++k) set.fishery(static_cast<int>(k)) = entries[k];
}

const ShipReport kShipA{30, 135, 8, 4, 2, 1008};
const ShipReport kShipB{35, 140, 0, 5, 3, 1000};
const ShipReport kShipC{40, 145, 12, 6, 4, 996};

// "field:right/wrong/missed" for every field with anything to count, then
// "where field said→typed" for every item, and "+typed" for extra rows.
std::string Summary(const PracticeScore& score) {
    std::string out;
    for (int f = 0; f < kScoreFieldCount; ++f) {
        const ScoreTally& t = score.tallies[static_cast<std::size_t>(f)];
        if (t == ScoreTally{}) continue;
        out += std::string(ScoreFieldName(static_cast<ScoreField>(f))) + ":" + std::to_string(t.right) + "/" +
               std::to_string(t.wrong) + "/" + std::to_string(t.missed) + " ";
    }
    for (const ScoreItem& item : score.items)
        out += "| " + item.where + " " + std::string(ScoreFieldName(item.field)) + " " + item.said + "→" +
               (item.missed ? "(missed)" : item.typed) + " ";
    for (const ExtraRow& extra : score.extras) out += "| +" + extra.typed + " ";
    return out;
}

TEST(PracticeScore, CountsRightWrongAndMissedAndListsWhatWasSaidAndTyped) {
    struct Case {
        const char* what;
        std::function<void(Pair&)> fill;
        std::string summary;
    };
    const std::vector<Case> cases = {
        {"all typed right",
         [](Pair& p) {
             p.truth.land(0) = p.typed.land(0) = {0, 3, 1, 1012, 25};
             Ships(p.truth, {kShipA});
             Ships(p.typed, {kShipA});
         },
         "風向:2/0/0 風力:2/0/0 天気:2/0/0 気圧:1/0/0 気温:1/0/0 船の位置:1/0/0 船の気圧:1/0/0 "},
        {"a slip in the direction, the pressure left out, a station not typed at all",
         [](Pair& p) {
             p.truth.land(0) = {0, 3, 1, 1012, 25};
             p.typed.land(0) = {1, 3, 1, 0, 25};
             p.truth.land(1) = {2, 4, 2, 1010, -3};
         },
         "風向:0/1/1 風力:1/0/1 天気:1/0/1 気圧:0/0/2 気温:1/0/1 | 石垣島 風向 北→北北西 "
         "| 石垣島 気圧 1012ヘクトパスカル→(missed) | 那覇 風向 北西→(missed) | 那覇 風力 風力4→(missed) "
         "| 那覇 天気 くもり→(missed) | 那覇 気圧 1010ヘクトパスカル→(missed) | 那覇 気温 氷点下3度→(missed) "},
        {"calm is no direction; typed wind where it was calm is a wrong force; 不明 is not scored",
         [](Pair& p) {
             p.truth.land(3) = {7, 0, kWeatherUnknown, 1001, 14};
             p.typed.land(3) = {7, 3, 1, 1001, 14};
         },
         "風力:0/1/0 気圧:1/0/0 気温:1/0/0 | 名瀬 風力 風弱く→風力3 "},
        {"a ship skipped: the ships after it still meet their own",
         [](Pair& p) {
             Ships(p.truth, {kShipA, kShipB, kShipC});
             Ships(p.typed, {kShipA, kShipC});
         },
         "風向:2/0/1 風力:2/0/1 天気:2/0/1 船の位置:2/0/1 船の気圧:2/0/1 | 2番目の船 船の位置 "
         "北緯35度、東経140度→(missed) | 2番目の船 風向 北→(missed) | 2番目の船 風力 風力5→(missed) "
         "| 2番目の船 天気 雨→(missed) | 2番目の船 船の気圧 1000ヘクトパスカル→(missed) "},
        {"a ship typed twice and one typed all wrong at its place",
         [](Pair& p) {
             Ships(p.truth, {kShipA, kShipB});
             Ships(p.typed, {kShipA, kShipA, {20, 120, 4, 9, 0, 980}});
         },
         "風向:1/1/0 風力:1/1/0 天気:1/1/0 船の位置:1/1/0 船の気圧:1/1/0 | 2番目の船 船の位置 "
         "北緯35度、東経140度→北緯20度、東経120度 | 2番目の船 風向 北→西 | 2番目の船 風力 風力5→風力9 "
         "| 2番目の船 天気 雨→快晴 | 2番目の船 船の気圧 1000ヘクトパスカル→980ヘクトパスカル "
         "| +北緯30度、東経135度の船では、南の風、風力4、くもり、1008ヘクトパスカル。 "},
        {"the fishery report: a kind mistaken, a front point missed, a station typed that was not read",
         [](Pair& p) {
             Fishery(p.truth, {{"低気圧", 44, 150, 964}, {"寒冷前線", 44, 150, 0}, {"寒冷前線", 40, 147, 0}});
             Fishery(p.typed, {{"高気圧", 44, 150, 964}, {"寒冷前線", 40, 147, 0}});
             p.typed.land(5) = {0, 1, 0, 1020, 9};
         },
         "種類:1/1/1 位置:2/0/1 中心気圧:1/0/0 | 1番目の漁業気象 種類 低気圧→高気圧 "
         "| 2番目の漁業気象 種類 寒冷前線→(missed) | 2番目の漁業気象 位置 北緯44度、東経150度→(missed) "
         "| +福江では、北の風、風力1、快晴、1020ヘクトパスカル、9度。 "},
    };
    for (const Case& c : cases) {
        Pair p = Stations();
        c.fill(p);
        EXPECT_EQ(Summary(ScorePractice(p.truth, p.typed)), c.summary) << c.what;
    }
}

// Stopped after some sentences, the report holds what they told: later
// stations without their report, later ships and fishery rows gone (the
// front's two points went in one sentence).
TEST(PracticeScore, TheReportSoFarHoldsWhatTheSentencesHeardTold) {
    Pair p = Stations();
    p.truth.land(0) = {0, 3, 1, 1012, 25};
    p.truth.land(6) = {2, 4, 2, 1010, -3};
    Ships(p.truth, {kShipA, kShipB});
    Fishery(p.truth, {{"低気圧", 44, 150, 964}, {"寒冷前線", 44, 150, 0}, {"寒冷前線", 40, 147, 0}});
    const std::vector<ScriptSentence> script = MakeReportScript(p.truth, ScriptForm::Kana);
    ASSERT_EQ(script.size(), 9u);  // three headings, two stations, two ships, the low, the front
    const struct {
        int heard;
        bool ishigaki, izuhara;
        int ships, fishery;
    } cases[] = {{0, false, false, 0, 0}, {2, true, false, 0, 0}, {5, true, true, 1, 0},
                 {8, true, true, 2, 1},   {9, true, true, 2, 3},  {99, true, true, 2, 3}};
    for (const auto& c : cases) {
        const ObservationSet read = ReadSoFar(p.truth, script, c.heard);
        EXPECT_EQ(HasReport(read.land(0)), c.ishigaki) << c.heard;
        EXPECT_EQ(read.land(6) == p.truth.land(6), c.izuhara) << c.heard;
        EXPECT_EQ(read.shipCount(), c.ships) << c.heard;
        EXPECT_EQ(read.fisheryCount(), c.fishery) << c.heard;
    }
}

}  // namespace
}  // namespace isobra
