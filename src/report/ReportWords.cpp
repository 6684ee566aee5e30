#include "report/ReportWords.h"

#include <algorithm>

#include "model/PlotKinds.h"
#include "model/StationTable.h"

namespace isobra {

const std::array<SpokenWord, kWindDirectionCount> kDirectionWords = {{
    {"北", "きた"},
    {"北北西", "ほくほくせい"},
    {"北西", "ほくせい"},
    {"西北西", "せいほくせい"},
    {"西", "にし"},
    {"西南西", "せいなんせい"},
    {"南西", "なんせい"},
    {"南南西", "なんなんせい"},
    {"南", "みなみ"},
    {"南南東", "なんなんとう"},
    {"南東", "なんとう"},
    {"東南東", "とうなんとう"},
    {"東", "ひがし"},
    {"東北東", "とうほくとう"},
    {"北東", "ほくとう"},
    {"北北東", "ほくほくとう"},
}};

const std::array<SpokenWord, kWeatherKindCount> kWeatherWords = {{
    {"快晴", "かいせい"},
    {"晴れ", "はれ"},
    {"くもり", "くもり"},
    {"雨", "あめ"},
    {"雪", "ゆき"},
    {"みぞれ", "みぞれ"},
    {"あられ", "あられ"},
    {"ひょう", "ひょう"},
    {"雷", "かみなり"},
    {"霧", "きり"},
    {"不明", "ふめい"},
}};

const std::array<SpokenWord, kFisheryKindWordCount> kFisheryKindWords = {{
    {"高気圧", "こうきあつ"},
    {"低気圧", "ていきあつ"},
    {"台風", "たいふう"},
    {"温暖前線", "おんだんぜんせん"},
    {"寒冷前線", "かんれいぜんせん"},
    {"停滞前線", "ていたいぜんせん"},
    {"閉塞前線", "へいそくぜんせん"},
    {"等圧線", "とうあつせん"},
    kFromCentreWord,
    kFromThereWord,
}};

namespace {

// Foreign places as the broadcast says them, in katakana; the islands of
// the Kurils and Korea with "とう" (島 read as in 松輪島).
constexpr std::array<SpokenWord, kBuiltInStationCount> kStationReadings = {{
    {"石垣島", "いしがきじま"},
    {"那覇", "なは"},
    {"南大東島", "みなみだいとうじま"},
    {"名瀬", "なぜ"},
    {"鹿児島", "かごしま"},
    {"福江", "ふくえ"},
    {"厳原", "いづはら"},
    {"足摺岬", "あしずりみさき"},
    {"室戸岬", "むろとみさき"},
    {"松山", "まつやま"},
    {"浜田", "はまだ"},
    {"西郷", "さいごう"},
    {"大阪", "おおさか"},
    {"潮岬", "しおのみさき"},
    {"八丈島", "はちじょうじま"},
    {"大島", "おおしま"},
    {"御前崎", "おまえざき"},
    {"銚子", "ちょうし"},
    {"前橋", "まえばし"},
    {"小名浜", "おなはま"},
    {"輪島", "わじま"},
    {"相川", "あいかわ"},
    {"仙台", "せんだい"},
    {"宮古", "みやこ"},
    {"秋田", "あきた"},
    {"函館", "はこだて"},
    {"浦河", "うらかわ"},
    {"根室", "ねむろ"},
    {"稚内", "わっかない"},
    {"ﾎﾟﾛﾅｲｽｸ", "ポロナイスク"},
    {"ｼﾝｼﾙ島", "シンシルとう"},
    {"松輪島", "まつわとう"},
    {"ﾊﾊﾞﾛﾌｽｸ", "ハバロフスク"},
    {"ﾃﾁｭｰﾍ", "テチューヘ"},
    {"ｳﾗｼﾞｵ", "ウラジオ"},
    {"ソウル", "ソウル"},
    {"ｳﾙﾙﾝ島", "ウルルンとう"},
    {"釜山", "プサン"},
    {"モッポ", "モッポ"},
    {"ﾁｪｼﾞｭ島", "チェジュとう"},
    {"台北", "タイペイ"},
    {"恒春", "こうしゅん"},
    {"長春", "ちょうしゅん"},
    {"北京", "ペキン"},
    {"大連", "だいれん"},
    {"ﾁﾝﾀｵ", "チンタオ"},
    {"ｼｬﾝﾊｲ", "シャンハイ"},
    {"漢口", "かんこう"},
    {"アモイ", "アモイ"},
    {"香港", "ホンコン"},
    {"ﾗﾜｰｸﾞ", "ラワーグ"},
    {"マニラ", "マニラ"},
    {"父島", "ちちじま"},
    {"富士山", "ふじさん"},
}};

}  // namespace

bool IsLineKind(std::string_view kind) {
    return kind == kWarmFrontKind || kind == kColdFrontKind || kind == kStationaryFrontKind ||
           kind == kOccludedFrontKind || kind == kIsobarKind;
}

std::string_view StationReading(std::string_view name) {
    const auto it = std::find_if(kStationReadings.begin(), kStationReadings.end(),
                                 [&](const SpokenWord& w) { return w.written == name; });
    return it == kStationReadings.end() ? std::string_view() : it->kana;
}

}  // namespace isobra
