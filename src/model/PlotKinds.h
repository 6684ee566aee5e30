#pragma once

#include <string_view>

namespace isobra {

// Kind texts of fishery items as the observations and the plot table hold
// them.
inline constexpr std::string_view kHighKind = "高気圧";
inline constexpr std::string_view kLowKind = "低気圧";
inline constexpr std::string_view kTyphoonKind = "台風";
inline constexpr std::string_view kIsobarKind = "等圧線";
inline constexpr std::string_view kWarmFrontKind = "温暖前線";
inline constexpr std::string_view kColdFrontKind = "寒冷前線";
inline constexpr std::string_view kStationaryFrontKind = "停滞前線";
inline constexpr std::string_view kOccludedFrontKind = "閉塞前線";
inline constexpr std::string_view kFrontSuffix = "前線";

// A high, low or typhoon: the exact texts, nothing else.
inline bool IsCentreKind(std::string_view kind) {
    return kind == kHighKind || kind == kLowKind || kind == kTyphoonKind;
}

inline bool IsIsobarKind(std::string_view kind) { return kind == kIsobarKind; }

// Any kind ending in "前線": warm, cold, stationary and occluded fronts.
inline bool IsFrontKind(std::string_view kind) { return kind.ends_with(kFrontSuffix); }

// The letter printed at a centre: "高", "低", "台", or "" for other kinds.
inline std::string_view CentreLetter(std::string_view kind) {
    if (kind == kHighKind) return "高";
    if (kind == kLowKind) return "低";
    if (kind == kTyphoonKind) return "台";
    return {};
}

}  // namespace isobra
