#include "report/ReadingPace.h"

#include "model/TextFields.h"

namespace isobra {

double PaceFactor(ReadingPace pace) {
    switch (pace) {
        case ReadingPace::Slow:
            return 0.75;
        case ReadingPace::Fast:
            return 1.25;
        case ReadingPace::Broadcast:
            break;
    }
    return 1.0;
}

std::string_view PaceText(ReadingPace pace) {
    switch (pace) {
        case ReadingPace::Slow:
            return "0.75";
        case ReadingPace::Fast:
            return "1.25";
        case ReadingPace::Broadcast:
            break;
    }
    return "1.0";
}

std::optional<ReadingPace> ParseReadingPace(std::string_view text) {
    const std::optional<double> value = ParsePlainNumber(text);
    if (!value) return std::nullopt;
    // The three factors are exact in binary, so a decimal text of one of
    // them reads as exactly it.
    for (ReadingPace pace : kReadingPaces)
        if (*value == PaceFactor(pace)) return pace;
    return std::nullopt;
}

}  // namespace isobra
