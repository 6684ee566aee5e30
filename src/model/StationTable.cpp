#include "model/StationTable.h"

#include <array>
#include <string_view>

namespace isobra {

namespace {

struct BuiltInStation {
    std::string_view name;
    int x;
    int y;
};

// Canvas positions in pixels. Names in half-width katakana stay half-width:
// the observation file pads its columns by character count.
constexpr std::array<BuiltInStation, kBuiltInStationCount> kStations = {{
    {"石垣島", 173, 270},
    {"那覇", 207, 260},
    {"南大東島", 229, 260},
    {"名瀬", 221, 239},
    {"鹿児島", 231, 216},
    {"福江", 219, 202},
    {"厳原", 224, 189},
    {"足摺岬", 248, 203},
    // 室戸岬 stands at 33.25 N 134.18 E, which the map projection puts at
    // (257, 198), between 足摺岬 and 潮岬.
    {"室戸岬", 257, 198},
    {"松山", 245, 185},
    {"浜田", 224, 183},
    {"西郷", 251, 173},
    {"大阪", 263, 187},
    {"潮岬", 267, 197},
    {"八丈島", 294, 195},
    {"大島", 292, 183},
    {"御前崎", 284, 187},
    {"銚子", 298, 177},
    {"前橋", 286, 173},
    {"小名浜", 300, 167},
    {"輪島", 275, 164},
    {"相川", 283, 159},
    {"仙台", 304, 151},
    {"宮古", 305, 143},
    {"秋田", 292, 143},
    {"函館", 291, 125},
    {"浦河", 306, 123},
    {"根室", 318, 111},
    {"稚内", 297, 97},
    {"ﾎﾟﾛﾅｲｽｸ", 301, 67},
    {"ｼﾝｼﾙ島", 338, 81},
    {"松輪島", 343, 61},
    {"ﾊﾊﾞﾛﾌｽｸ", 263, 72},
    {"ﾃﾁｭｰﾍ", 266, 107},
    {"ｳﾗｼﾞｵ", 245, 117},
    {"ソウル", 210, 160},
    {"ｳﾙﾙﾝ島", 237, 161},
    {"釜山", 226, 178},
    {"モッポ", 205, 183},
    {"ﾁｪｼﾞｭ島", 206, 192},
    {"台北", 153, 259},
    {"恒春", 142, 283},
    {"長春", 210, 104},
    {"北京", 148, 126},
    {"大連", 181, 138},
    {"ﾁﾝﾀｵ", 171, 160},
    {"ｼｬﾝﾊｲ", 167, 207},
    {"漢口", 111, 186},
    {"アモイ", 126, 257},
    {"香港", 85, 261},
    {"ﾗﾜｰｸﾞ", 128, 324},
    {"マニラ", 125, 360},
    {"父島", 313, 243},
    {"富士山", 282, 183},
}};

}  // namespace

void InitStationTable(ObservationSet& set) {
    for (int i = 0; i < kBuiltInStationCount; ++i) {
        set.stationName(i) = std::string(kStations[i].name);
        set.stationPosition(i) = CanvasPoint{kStations[i].x, kStations[i].y};
    }
    set.SetStationCount(kBuiltInStationCount);
}

}  // namespace isobra
