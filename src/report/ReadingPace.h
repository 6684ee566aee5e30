#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace isobra {

// How fast the report is read: Broadcast is close to the radio's own pace,
// the others a quarter slower or faster (speech and pauses alike).
enum class ReadingPace { Slow, Broadcast, Fast };

inline constexpr std::array<ReadingPace, 3> kReadingPaces = {ReadingPace::Slow, ReadingPace::Broadcast,
                                                             ReadingPace::Fast};

// 0.75, 1.0 or 1.25.
double PaceFactor(ReadingPace pace);
// "0.75", "1.0" or "1.25".
std::string_view PaceText(ReadingPace pace);
// The pace whose factor the text is, written as a plain decimal ("1", "1.0",
// "0.750" and "1.25" are taken); none for any other text.
std::optional<ReadingPace> ParseReadingPace(std::string_view text);

}  // namespace isobra
