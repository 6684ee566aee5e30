#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/FileAccess.h"
#include "model/ObservationFile.h"
#include "model/ShiftJis.h"
#include "model/TextFields.h"
#include "state/AppState.h"

namespace isobra {
namespace {

std::string Sjis(const std::string& utf8) {
    const auto bytes = ToShiftJis(utf8);
    EXPECT_TRUE(bytes.has_value()) << utf8;
    return bytes.value_or("");
}

std::string Text(const std::string& sjis) { return FromShiftJis(sjis).value_or("<not CP932>"); }

// Two stations, one ship and one fishery entry with the worked values.
ObservationSet SmallSet() {
    ObservationSet set;
    set.SetStationCount(2);
    set.stationName(0) = "石垣島";
    set.land(0) = LandReport{0, 3, 1, 1012, 25};
    set.stationName(1) = "ﾎﾟﾛﾅｲｽｸ";
    set.land(1) = LandReport{5, 0, 4, 998, -5};  // calm: no direction written
    set.SetShipCount(1);
    set.ship(0) = ShipReport{30, 135, 8, 4, 2, 1008};
    set.SetFisheryCount(1);
    set.fishery(0) = FisheryEntry{"低気圧", 40, 150, 996};
    return set;
}

TEST(ObservationFile, WritesTheLayoutByteForByte) {
    const Result<std::string> file = WriteObservationFile(SmallSet());
    ASSERT_TRUE(file.ok()) << file.message();
    EXPECT_EQ(Text(file.value()),
              "各地の天気, 2 \r\n"
              " 地 名　　　風向　風力　天気　 気圧　気温\r\n"
              "石垣島       ,北     ,  3 ,晴れ    , 1012 ,  25\r\n"
              "ﾎﾟﾛﾅｲｽｸ   ,      ,  0 ,雪     ,  998 ,  -5\r\n"
              "\r\n"
              "船舶の報告, 1 \r\n"
              " 北緯 東経   風向   風力  天気　気圧\r\n"
              "  30 , 135 ,南     ,  4 ,くもり   , 1008\r\n"
              "\r\n"
              "漁業気象, 1 \r\n"
              "  種 類 　北緯　東経　 気圧\r\n"
              "低気圧     ,  40 , 150 ,  996\r\n");
    // Columns count characters: three spaces after the seven half-width
    // katakana, which are one byte each in the file.
    EXPECT_NE(file.value().find("\xCE\xDF\xDB\xC5\xB2\xBD\xB8   ,"), std::string::npos);
    EXPECT_EQ(file.value().substr(0, 14), "\x8a\x65\x92\x6e\x82\xcc\x93\x56\x8b\x43, 2 ");  // 各地の天気
}

TEST(ObservationFile, HeadersHaveTheirWidths) {
    const std::string text = Text(WriteObservationFile(ObservationSet{}).value());
    std::vector<int> widths;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        widths.push_back(CharacterCount(text.substr(start, end - start)));
        start = end + 2;
    }
    EXPECT_EQ(widths, (std::vector<int>{9, 22, 0, 9, 23, 0, 8, 16}));
}

TEST(ObservationFile, MissingValueConventions) {
    ObservationSet set;
    set.SetStationCount(3);
    set.stationName(0) = "秋田";
    set.land(0) = LandReport{2, 0, 3, 0, 0};  // no report: "不明" whatever the code says
    set.stationName(1) = "富士山";
    set.land(1) = LandReport{2, 9, 0, 640, -22};  // its pressure is never written
    set.stationName(2) = "潮岬";
    set.land(2) = LandReport{0, 2, 1, 1000, -1000};  // wider than the field: written whole
    set.SetShipCount(1);
    set.ship(0) = ShipReport{30, 130, 8, 0, 3, 0};  // neither pressure nor wind: "不明"
    const std::string text = Text(WriteObservationFile(set).value());
    EXPECT_NE(text.find("秋田        ,      ,  0 ,不明    ,    0 ,   0\r\n"), std::string::npos);
    EXPECT_NE(text.find("富士山       ,北西    ,  9 ,快晴    ,      , -22\r\n"), std::string::npos);
    EXPECT_NE(text.find("潮岬        ,北     ,  2 ,晴れ    , 1000 ,-1000\r\n"), std::string::npos);
    EXPECT_NE(text.find("  30 , 130 ,      ,  0 ,不明    ,    0\r\n"), std::string::npos);
    // No ships: the title with count 0, the header, then the empty line.
    EXPECT_NE(Text(WriteObservationFile(SmallSet()).value()).find("漁業気象"), std::string::npos);
    ObservationSet none = SmallSet();
    none.SetShipCount(0);
    EXPECT_NE(Text(WriteObservationFile(none).value())
                  .find("船舶の報告, 0 \r\n 北緯 東経   風向   風力  天気　気圧\r\n\r\n漁業気象"),
              std::string::npos);

    const Result<ObservationFileData> back = ParseObservationFile(WriteObservationFile(set).value());
    ASSERT_TRUE(back) << back.message();
    EXPECT_EQ(back->land[0], (LandReport{0, 0, 10, 0, 0}));
    EXPECT_EQ(back->land[1], (LandReport{2, 9, 0, 0, -22}));
    EXPECT_EQ(back->land[2], (LandReport{0, 2, 1, 1000, -1000}));
    EXPECT_EQ(back->ships[0], (ShipReport{30, 130, 0, 0, 10, 0}));
}

// 富士山's pressure is not written, so a line with nothing else is no
// report: saving what was loaded gives the same bytes.
TEST(ObservationFile, FujisanWithOnlyAPressureIsNoReport) {
    ObservationSet set;
    set.SetStationCount(1);
    set.stationName(0) = "富士山";
    set.land(0) = LandReport{0, 0, 6, 640, 0};
    const std::string first = WriteObservationFile(set).value();
    EXPECT_NE(Text(first).find("富士山       ,      ,  0 ,不明    ,      ,   0\r\n"), std::string::npos);
    AppState state;
    ApplyObservationFile(ParseObservationFile(first).value(), state.observations, state.field);
    EXPECT_EQ(WriteObservationFile(state.observations).value(), first);
}

TEST(ObservationFile, RoundTripKeepsEverythingTheFileCanHold) {
    AppState state;
    ObservationSet& set = state.observations;
    for (int k = 0; k < 54; ++k) set.land(k) = LandReport{k % 16, 1 + k % 12, k % 11, 950 + k, k - 30};
    set.land(53).pressure = 0;  // 富士山's pressure does not survive a save
    set.SetShipCount(3);
    for (int k = 0; k < 3; ++k) set.ship(k) = ShipReport{20 + k, 120 + k, 15, 12, 9, 1000 + k};
    set.SetFisheryCount(5);
    set.fishery(0) = FisheryEntry{"台風", 20, 130, 940};
    set.fishery(1) = FisheryEntry{"中心から", 20, 130, 0};
    set.fishery(2) = FisheryEntry{"閉塞前線", 25, 135, 0};
    set.fishery(3) = FisheryEntry{"等圧線", 30, 140, 1012};
    set.fishery(4) = FisheryEntry{"高気圧", 50, 100, 1036};
    const Result<std::string> first = WriteObservationFile(set);
    ASSERT_TRUE(first.ok());

    const Result<ObservationFileData> parsed = ParseObservationFile(first.value());
    ASSERT_TRUE(parsed) << parsed.message();
    AppState loaded;
    ApplyObservationFile(*parsed, loaded.observations, loaded.field);
    for (int k = 0; k < 54; ++k) {
        EXPECT_EQ(loaded.observations.stationName(k), set.stationName(k));
        EXPECT_EQ(loaded.observations.land(k), set.land(k)) << k;
    }
    for (int k = 0; k < 3; ++k) EXPECT_EQ(loaded.observations.ship(k), set.ship(k));
    for (int k = 0; k < 5; ++k) EXPECT_EQ(loaded.observations.fishery(k), set.fishery(k));
    EXPECT_EQ(WriteObservationFile(loaded.observations).value(), first.value());

    // The example file reads and writes back unchanged.
    const Result<std::string> example = ReadWholeFile(std::string(ISOBRA_TEST_DATA) + "/../../examples/winter.dat");
    ASSERT_TRUE(example.ok());
    const Result<ObservationFileData> winter = ParseObservationFile(example.value());
    ASSERT_TRUE(winter) << winter.message();
    AppState again;
    ApplyObservationFile(*winter, again.observations, again.field);
    EXPECT_EQ(WriteObservationFile(again.observations).value(), example.value());
}

TEST(ObservationFile, ReaderRules) {
    const std::string file = Sjis(
        "各地の天気, 1.5 \r\n"  // 1.5 rounds to 2
        "anything\r\n"
        "  石垣島　 ,北北東,3.5,くもり, 1012.5 ,-2.5\r\n"  // halves to even; the ideographic space stays
        "名瀬,北風,+7x,晴天,abc,\r\n"                      // unknown direction 0, unknown weather 不明
        "\n"                                               // LF alone ends a line too
        "船舶の報告, 0 \r\n"
        "header\r\n"
        "\r\n"
        "漁業気象,1\r\n"
        "header\r\n"
        "寒冷前線   ,  35 , 140 ,  0\r");  // a lone CR ends a line too
    const Result<ObservationFileData> parsed = ParseObservationFile(file);
    ASSERT_TRUE(parsed) << parsed.message();
    const ObservationFileData& d = *parsed;
    ASSERT_EQ(d.land.size(), 2u);
    EXPECT_EQ(d.stationNames[0], "石垣島　");
    EXPECT_EQ(d.land[0], (LandReport{15, 4, 2, 1012, -2}));
    EXPECT_EQ(d.stationNames[1], "名瀬");
    EXPECT_EQ(d.land[1], (LandReport{0, 7, 10, 0, 0}));
    EXPECT_TRUE(d.ships.empty());
    ASSERT_EQ(d.fishery.size(), 1u);
    EXPECT_EQ(d.fishery[0], (FisheryEntry{"寒冷前線", 35, 140, 0}));

    // Without a line end after the last line the file may have been cut.
    const Result<ObservationFileData> cut = ParseObservationFile(file.substr(0, file.size() - 1));
    EXPECT_FALSE(cut);
    EXPECT_EQ(cut.line(), 11);
    EXPECT_EQ(cut.message(), "最後の行（11行目）に改行がありません。途中で切れているかもしれません。");
}

TEST(LeadingNumber, LongestLeadingDecimalNumber) {
    EXPECT_EQ(LeadingNumber("12abc"), 12);
    EXPECT_EQ(LeadingNumber("abc"), 0);
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("  -7.25 "), -7.25);
    EXPECT_EQ(LeadingNumber("+3"), 3);
    EXPECT_EQ(LeadingNumber(".5"), 0.5);
    EXPECT_EQ(LeadingNumber("5."), 5);
    EXPECT_EQ(LeadingNumber("1e3"), 1);
    EXPECT_EQ(LeadingNumber("- 5"), 0);
    EXPECT_EQ(LeadingNumber("1,5"), 1);
}

struct BrokenFile {
    const char* what;
    std::string bytes;
    int line;
    std::string message;
};

std::string Head(int stations) { return "各地の天気, " + std::to_string(stations) + " \r\nheader\r\n"; }
const std::string kStation = "石垣島,北,3,晴れ,1012,25\r\n";
const std::string kTail = "\r\n船舶の報告, 0 \r\nheader\r\n\r\n漁業気象, 0 \r\nheader\r\n";

TEST(ObservationFile, BrokenFilesAreRefusedWithLineAndReason) {
    const std::vector<BrokenFile> cases = {
        {"empty", "", 1, "ファイルが空です。"},
        {"stations missing", Sjis(Head(3) + kStation + kStation), 4,
         "ファイルが4行目で終わっていて、各地の天気の3件目の地名がありません。"},
        {"line cut short", Sjis(Head(1) + "石垣島,北,3"), 3,
         "ファイルが3行目で終わっていて、「石垣島」の天気がありません。"},
        {"no fishery section", Sjis(Head(1) + kStation + "\r\n船舶の報告, 0 \r\nheader\r\n"), 6,
         "ファイルが6行目で終わっていて、漁業気象の前の空行がありません。"},
        {"ships missing", Sjis(Head(0) + "\r\n船舶の報告, 2 \r\nheader\r\n30,135,南,4,雨,1008\r\n"), 6,
         "ファイルが6行目で終わっていて、船舶の報告の2件目の北緯がありません。"},
        {"too many stations", Sjis(Head(102) + kStation), 1,
         "1行目の各地の天気の数（102）が0から101までの範囲にありません。"},
        {"negative count", Sjis(Head(0) + "\r\n船舶の報告,-1\r\nheader\r\n" + "\r\n漁業気象, 0 \r\nheader\r\n"), 4,
         "4行目の船舶の報告の数（-1）が0から101までの範囲にありません。"},
        {"huge fishery count", Sjis(Head(0) + "\r\n船舶の報告, 0 \r\nheader\r\n\r\n漁業気象,70000\r\nheader\r\n"), 7,
         "7行目の漁業気象の数（70000）が0から101までの範囲にありません。"},
        {"pressure too large", Sjis(Head(1) + "石垣島,北,3,晴れ,100000,25\r\n" + kTail), 3,
         "3行目の「石垣島」の気圧（100000）が大きすぎます。"},
        {"pressure wider than its column", Sjis(Head(1) + "石垣島,北,3,晴れ,10000,25\r\n" + kTail), 3,
         "3行目の「石垣島」の気圧（10000）が大きすぎます。"},
        {"ship pressure too low", Sjis(Head(0) + "\r\n船舶の報告, 1 \r\nheader\r\n30,135,南,4,雨,-10000\r\n"), 6,
         "6行目の船舶の報告の1件目の気圧（-10000）が大きすぎます。"},
        {"fishery pressure too large",
         Sjis(Head(0) + "\r\n船舶の報告, 0 \r\nheader\r\n\r\n漁業気象, 1 \r\nheader\r\n低気圧,40,150,99999\r\n"), 9,
         "9行目の漁業気象の1件目の気圧（99999）が大きすぎます。"},
        {"temperature beyond any number",
         Sjis(Head(1) + "石垣島,北,3,晴れ,1012,-" + std::string(400, '9') + "\r\n" + kTail), 3,
         "3行目の「石垣島」の気温（-9999999999999999999…）が大きすぎます。"},
        {"not Shift-JIS", Sjis(Head(1)) + "\x81\x20,北\r\n" + Sjis(kTail), 3,
         "3行目にShift-JISとして読めない文字があります。"},
        {"ends inside a character", Sjis(Head(1) + kStation + kTail) + "\x82", 10,
         "10行目にShift-JISとして読めない文字があります。"},
        {"undefined byte", Sjis(Head(1) + kStation + "\r\n") + "\xFF" + Sjis(kTail), 5,
         "5行目にShift-JISとして読めない文字があります。"},
    };
    for (const BrokenFile& c : cases) {
        const Result<ObservationFileData> parsed = ParseObservationFile(c.bytes);
        EXPECT_FALSE(parsed) << c.what;
        EXPECT_EQ(parsed.line(), c.line) << c.what;
        EXPECT_EQ(parsed.message(), c.message) << c.what;
    }
    // The same files whole are read.
    EXPECT_TRUE(ParseObservationFile(Sjis(Head(1) + kStation + kTail)));
    EXPECT_TRUE(ParseObservationFile(Sjis(Head(101) + [] {
        std::string s;
        for (int i = 0; i < 101; ++i) s += kStation;
        return s;
    }() + kTail)));
}

// Files whose lines end in LF or in a lone CR (as old Mac editors wrote them)
// name the same line in a refusal as those with CR LF.
TEST(ObservationFile, RefusalsNameTheLineWhateverTheLinesEndIn) {
    auto withEnds = [](std::string bytes, const std::string& end) {
        for (std::size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + end.size()))
            bytes.replace(at, 2, end);
        return bytes;
    };
    for (const std::string end : {"\r\n", "\n", "\r"}) {
        const std::vector<BrokenFile> cases = {
            {"not Shift-JIS", withEnds(Sjis(Head(1)) + "\x81\x20,北\r\n" + Sjis(kTail), end), 3,
             "3行目にShift-JISとして読めない文字があります。"},
            {"undefined byte", withEnds(Sjis(Head(1) + kStation + "\r\n") + "\xFF" + Sjis(kTail), end), 5,
             "5行目にShift-JISとして読めない文字があります。"},
            {"pressure too large", withEnds(Sjis(Head(1) + "石垣島,北,3,晴れ,100000,25\r\n" + kTail), end), 3,
             "3行目の「石垣島」の気圧（100000）が大きすぎます。"},
        };
        for (const BrokenFile& c : cases) {
            const Result<ObservationFileData> parsed = ParseObservationFile(c.bytes);
            ASSERT_FALSE(parsed) << c.what;
            EXPECT_EQ(parsed.line(), c.line) << c.what << " with "
                                             << (end == "\r"   ? "CR"
                                                 : end == "\n" ? "LF"
                                                               : "CR LF");
            EXPECT_EQ(parsed.message(), c.message) << c.what;
        }
    }
}

TEST(ObservationFile, ApplyReplacesTheSetAndResetsPlotAndGrid) {
    AppState state;
    state.observations.SetShipCount(3);
    state.observations.ship(2) = ShipReport{30, 140, 4, 5, 6, 1000};
    state.observations.SetFisheryCount(2);
    state.observations.fishery(1) = FisheryEntry{"高気圧", 40, 120, 1030};
    state.observations.land(53).pressure = 1000;
    state.field.pressureGrid.Fill(101000);
    state.field.plotTable.lastPlotIndex = 60;
    state.field.plotTable.shipCount = 3;

    const Result<ObservationFileData> parsed = ParseObservationFile(
        Sjis(Head(2) + kStation + "ﾗﾜｰｸﾞ,東,2,霧,1004,-3\r\n" +
             "\r\n船舶の報告, 1 \r\nheader\r\n 20 , 125 ,北,1,雨, 1010\r\n" + "\r\n漁業気象, 0 \r\nheader\r\n"));
    ASSERT_TRUE(parsed) << parsed.message();
    ApplyObservationFile(*parsed, state.observations, state.field);
    const ObservationSet& obs = state.observations;
    EXPECT_EQ(obs.stationCount(), 2);
    EXPECT_EQ(obs.stationName(1), "ﾗﾜｰｸﾞ");
    EXPECT_EQ(obs.stationPosition(1), (CanvasPoint{207, 260}));  // positions stay with the slot
    EXPECT_EQ(obs.land(1), (LandReport{12, 2, 9, 1004, -3}));
    EXPECT_EQ(obs.stationName(53), "富士山");  // slots beyond the count keep what they held
    EXPECT_EQ(obs.land(53).pressure, 1000);
    EXPECT_EQ(obs.shipCount(), 1);
    EXPECT_EQ(obs.ship(0), (ShipReport{20, 125, 0, 1, 3, 1010}));
    EXPECT_EQ(obs.ship(2), (ShipReport{30, 140, 0, 0, 0, 0}));  // the old rows are emptied
    EXPECT_EQ(obs.fisheryCount(), 0);
    EXPECT_EQ(obs.fishery(1), (FisheryEntry{"高気圧", 40, 120, 0}));
    EXPECT_EQ(state.field.plotTable.lastPlotIndex, 2);
    EXPECT_EQ(state.field.plotTable.shipCount, 0);
    EXPECT_FALSE(state.field.pressureGrid.IsComputed());
}

TEST(ObservationFile, NormaliseForSaveClearsNegativesInUse) {
    ObservationSet set;
    set.SetStationCount(2);
    set.land(0) = LandReport{-1, -1, -1, -1, -5};
    set.land(2) = LandReport{-1, -1, -1, -1, -1};  // beyond the count
    set.SetShipCount(1);
    set.ship(0) = ShipReport{-3, -4, -1, -1, -1, -1};
    set.SetFisheryCount(1);
    set.fishery(0) = FisheryEntry{"低気圧", -1, -1, -990};
    NormaliseForSave(set);
    EXPECT_EQ(set.land(0), (LandReport{0, 0, 0, 0, -5}));
    EXPECT_EQ(set.land(2), (LandReport{-1, -1, -1, -1, -1}));
    EXPECT_EQ(set.ship(0), (ShipReport{-3, -4, 0, 0, 0, 0}));
    EXPECT_EQ(set.fishery(0), (FisheryEntry{"低気圧", -1, -1, 0}));
}

TEST(ObservationFile, TextsTheFileCannotHoldAreRefused) {
    ObservationSet set = SmallSet();
    set.stationName(0) = "石垣,島";
    EXPECT_FALSE(WriteObservationFile(set).ok());
    set = SmallSet();
    set.fishery(0).kind = "低気圧😀";
    const Result<std::string> file = WriteObservationFile(set);
    EXPECT_FALSE(file.ok());
    EXPECT_NE(file.message().find("Shift-JISで書けない文字"), std::string::npos);
}

}  // namespace
}  // namespace isobra
