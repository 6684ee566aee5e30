#include "isobar/CentreLetters.h"

#include <string_view>

#include "canvas/MapCanvas.h"
#include "model/FieldFormat.h"
#include "model/PlotKinds.h"
#include "model/PlotTable.h"

namespace isobra {

bool HasCentreLetter(const PlotSlot& slot) {
    if (CentreLetter(slot.kind).empty()) return false;
    return slot.x >= 8 && slot.x <= 391 && slot.y >= 8 && slot.y <= 391;
}

void DrawCentreLetters(MapCanvas& canvas, const PlotTable& table) {
    for (int k = table.FirstFisherySlot(); k <= table.LastSlot(); ++k) {
        const PlotSlot& p = table.slot(k);
        if (!HasCentreLetter(p)) continue;
        canvas.DrawTextAt(static_cast<float>(p.x), static_cast<float>(p.y), std::string(CentreLetter(p.kind)));
    }
}

std::string PressureText(std::int32_t units, std::int32_t pressureScale) {
    if (pressureScale <= 0) return {};
    return ShortestDecimal(static_cast<double>(units) / pressureScale);
}

TextPlace CentralPressurePlace(const PlotSlot& slot, const std::string& text, const LabelStyle& style) {
    const int letterWidth = TextWidth(CentreLetter(slot.kind), style.canvas);
    const int width = TextWidth(text, style.small);
    // Half the difference, rounded down: text wider than its letter by an
    // odd number of pixels sticks out one more on the left.
    const int spare = letterWidth - width;
    const int left = slot.x + (spare >= 0 ? spare / 2 : -((1 - spare) / 2));
    return {left, slot.y + style.canvas.height};
}

std::vector<CentralPressure> CentralPressures(const PlotTable& table, std::int32_t pressureScale,
                                              const LabelStyle& style) {
    std::vector<CentralPressure> out;
    for (int k = table.FirstFisherySlot(); k <= table.LastSlot(); ++k) {
        const PlotSlot& p = table.slot(k);
        if (!HasCentreLetter(p) || p.pressure <= 0) continue;
        std::string text = PressureText(p.pressure, pressureScale);
        const TextPlace at = CentralPressurePlace(p, text, style);
        out.push_back({std::move(text), at});
    }
    return out;
}

void DrawCentralPressures(MapCanvas& canvas, const std::vector<CentralPressure>& pressures) {
    for (const CentralPressure& p : pressures)
        canvas.DrawTextAt(static_cast<float>(p.at.x), static_cast<float>(p.at.y), p.text, TextSize::Small);
}

}  // namespace isobra
