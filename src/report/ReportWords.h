#pragma once

#include <array>
#include <string_view>

#include "model/CodeTables.h"

namespace isobra {

// The two forms of the spoken report: as a person reads it (kanji, the
// station names as the table writes them) and in kana readings for the
// speech engine, which reads no kanji. Numbers stay digits in both.
enum class ScriptForm { Written, Kana };

// A word or phrase of the report in both forms.
struct SpokenWord {
    std::string_view written;
    std::string_view kana;
    std::string_view In(ScriptForm form) const { return form == ScriptForm::Written ? written : kana; }
};

// In code order.
extern const std::array<SpokenWord, kWindDirectionCount> kDirectionWords;
extern const std::array<SpokenWord, kWeatherKindCount> kWeatherWords;

// The kinds the fishery list holds: highs, lows and typhoons, the four
// fronts, isobar points, and the two pending front starts.
inline constexpr int kFisheryKindWordCount = 10;
extern const std::array<SpokenWord, kFisheryKindWordCount> kFisheryKindWords;
inline constexpr std::string_view kFromCentreKind = "中心から";
inline constexpr std::string_view kFromThereKind = "そこから";
inline constexpr SpokenWord kFromCentreWord{kFromCentreKind, "ちゅうしんから"};
inline constexpr SpokenWord kFromThereWord{kFromThereKind, "そこから"};

// The kinds told as a line of points: the four fronts and the isobars.
bool IsLineKind(std::string_view kind);

// The fixed phrases of the sentences.
namespace phrase {
inline constexpr SpokenWord kLandHeading{"各地の天気です", "かくちのてんきです"};
inline constexpr SpokenWord kShipHeading{"船舶の報告です", "せんぱくのほうこくです"};
inline constexpr SpokenWord kFisheryHeading{"漁業気象です", "ぎょぎょうきしょうです"};
inline constexpr SpokenWord kAtStation{"では", "でわ"};
inline constexpr SpokenWord kShip{"船では", "ふねでわ"};
inline constexpr SpokenWord kOf{"の", "の"};
inline constexpr SpokenWord kWind{"の風", "のかぜ"};
inline constexpr SpokenWord kForce{"風力", "ふうりょく"};
inline constexpr SpokenWord kCalm{"風弱く", "かぜよわく"};
inline constexpr SpokenWord kHectopascal{"ヘクトパスカル", "ヘクトパスカル"};
inline constexpr SpokenWord kDegrees{"度", "ど"};
inline constexpr SpokenWord kBelowFreezing{"氷点下", "ひょうてんか"};
inline constexpr SpokenWord kMinus{"-", "マイナス"};
inline constexpr SpokenWord kNorth{"北緯", "ほくい"};
inline constexpr SpokenWord kEast{"東経", "とうけい"};
inline constexpr SpokenWord kNoPosition{"位置不明", "いちふめい"};
inline constexpr SpokenWord kAt{"に", "に"};
inline constexpr SpokenWord kThereIs{"があります", "があります"};
inline constexpr SpokenWord kSubject{"が", "が"};
inline constexpr SpokenWord kPassing{"を通っています", "をとおっています"};
inline constexpr SpokenWord kFromLowCentre{"低気圧の中心から", "ていきあつのちゅうしんから"};
inline constexpr SpokenWord kFromThere{"そこから", "そこから"};
inline constexpr SpokenWord kStretchingOn{"のびて", "のびて"};
inline constexpr SpokenWord kStretching{"のびています", "のびています"};
inline constexpr SpokenWord kClause{"、", "、"};
inline constexpr SpokenWord kEnd{"。", "。"};
}  // namespace phrase

// The kana reading of a built-in station's name ("厳原" gives "いづはら",
// "ﾎﾟﾛﾅｲｽｸ" gives "ポロナイスク"), or "" for a name the table does not hold.
std::string_view StationReading(std::string_view name);

}  // namespace isobra
