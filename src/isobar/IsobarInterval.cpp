#include "isobar/IsobarInterval.h"

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
    const double hpa = LeadingNumber(NarrowNumberText(answer));
    if (!IsIntervalInRange(hpa)) return std::nullopt;
    return hpa;
}

std::string IntervalText(const GridSettings& settings) {
    return ShortestDecimal(static_cast<double>(settings.isobarInterval) / settings.pressureScale);
}

}  // namespace isobra
