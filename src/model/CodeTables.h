#pragma once

#include <array>
#include <string>
#include <string_view>

namespace isobra {

// Wind directions, counter-clockwise from north, 22.5 degrees apart.
inline constexpr int kWindDirectionCount = 16;
inline constexpr std::array<std::string_view, kWindDirectionCount> kWindDirectionTexts = {
    "北", "北北西", "北西", "西北西", "西", "西南西", "南西", "南南西",
    "南", "南南東", "南東", "東南東", "東", "東北東", "北東", "北北東"};

inline constexpr int kWeatherKindCount = 11;
inline constexpr int kWeatherUnknown = 10;  // "不明"
inline constexpr std::array<std::string_view, kWeatherKindCount> kWeatherTexts = {
    "快晴", "晴れ", "くもり", "雨", "雪", "みぞれ", "あられ", "ひょう", "雷", "霧", "不明"};

// The text of a code, or "" for a code outside the table (for example -1,
// which the forms leave when nothing is selected).
std::string WindDirectionText(int code);
std::string WeatherText(int code);

// The code whose text equals `text` exactly, or -1 when none does.
int FindWindDirection(std::string_view text);
int FindWeather(std::string_view text);

}  // namespace isobra
