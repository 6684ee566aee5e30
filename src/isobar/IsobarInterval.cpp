#include "isobar/IsobarInterval.h"

#include <charconv>
#include <cmath>

namespace isobra {

IsobarInterval IntervalFromHpa(double hpa, int pressureScale) {
    return {static_cast<float>(hpa * pressureScale), static_cast<float>((hpa - hpa / 2) * pressureScale)};
}

void SetIsobarInterval(GridSettings& settings, double hpa) {
    const IsobarInterval spacing = IntervalFromHpa(hpa, settings.pressureScale);
    settings.isobarInterval = spacing.interval;
    settings.isobarHalfInterval = spacing.halfInterval;
}

std::optional<double> ParsePlainNumber(std::string_view text) {
    if (text.empty() || text.front() == '+') return std::nullopt;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace isobra
