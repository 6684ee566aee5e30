#include "report/SpokenReport.h"

#include <algorithm>

namespace isobra {

namespace {

constexpr double kSentencePause = 0.8;  // seconds, between stations
constexpr double kPartPause = 2.0;      // seconds, before the ships and the fishery report

}  // namespace

int SpokenReport::SentenceAt(std::size_t sample) const {
    const auto after = std::upper_bound(sentences.begin(), sentences.end(), sample,
                                        [](std::size_t at, const SpokenSentence& s) { return at < s.next; });
    if (sentences.empty()) return -1;
    return static_cast<int>(std::min(after - sentences.begin(), static_cast<std::ptrdiff_t>(sentences.size()) - 1));
}

double PauseSeconds(bool partEnds, ReadingPace pace) {
    return (partEnds ? kPartPause : kSentencePause) / PaceFactor(pace);
}

}  // namespace isobra
