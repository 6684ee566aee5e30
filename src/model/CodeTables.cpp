#include "model/CodeTables.h"

namespace isobra {

std::string WindDirectionText(int code) {
    if (code < 0 || code >= kWindDirectionCount) return {};
    return std::string(kWindDirectionTexts[code]);
}

std::string WeatherText(int code) {
    if (code < 0 || code >= kWeatherKindCount) return {};
    return std::string(kWeatherTexts[code]);
}

int FindWindDirection(std::string_view text) {
    for (int i = 0; i < kWindDirectionCount; ++i)
        if (kWindDirectionTexts[i] == text) return i;
    return -1;
}

int FindWeather(std::string_view text) {
    for (int i = 0; i < kWeatherKindCount; ++i)
        if (kWeatherTexts[i] == text) return i;
    return -1;
}

}  // namespace isobra
