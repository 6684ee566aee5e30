#include "isobar/IsobarInterval.h"

#include <charconv>
#include <cmath>

#include "model/FieldFormat.h"
#include "model/TextFields.h"

namespace isobra {

IsobarInterval IntervalFromHpa(double hpa, int pressureScale) {
    return {static_cast<float>(hpa * pressureScale), static_cast<float>((hpa - hpa / 2) * pressureScale)};
}

void SetIsobarInterval(GridSettings& settings, double hpa) {
    const IsobarInterval spacing = IntervalFromHpa(hpa, settings.pressureScale);
    settings.isobarInterval = spacing.interval;
    settings.isobarHalfInterval = spacing.halfInterval;
}

std::optional<double> IntervalFromAnswer(std::string_view answer) {
    const double hpa = LeadingNumber(answer);
    if (!IsIntervalInRange(hpa)) return std::nullopt;
    return hpa;
}

std::string IntervalText(const GridSettings& settings) {
    return ShortestDecimal(static_cast<double>(settings.isobarInterval) / settings.pressureScale);
}

std::optional<double> ParsePlainNumber(std::string_view text) {
    if (text.empty() || text.front() == '+') return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace isobra
