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

std::vector<CentreToLabel> CentresWithPressures(const PlotTable& table, std::int32_t pressureScale,
                                                const LabelStyle& style) {
    std::vector<CentreToLabel> out;
    for (int k = table.FirstFisherySlot(); k <= table.LastSlot(); ++k) {
        const PlotSlot& p = table.slot(k);
        if (!HasCentreLetter(p) || p.pressure <= 0) continue;
        std::string text = PressureText(p.pressure, pressureScale);
        if (text.empty()) continue;
        out.push_back({TextBox({p.x, p.y}, CentreLetter(p.kind), style.canvas), std::move(text)});
    }
    return out;
}

std::vector<TextPlace> CentralPressurePlaces(const PixelBox& letter, int width, int height) {
    constexpr int kBeside = 2;   // columns between the letter and a text beside it
    constexpr int kAbove = 1;    // rows between a text above and the letter
    constexpr int kFurther = 3;  // each round of places lies this much further out
    constexpr int kRounds = 4;
    // Centred on the letter, half the difference rounded down: text wider
    // than its letter by an odd number of pixels sticks out one more on the
    // left.
    const int spare = (letter.x2 - letter.x1 + 1) - width;
    const int centred = letter.x1 + (spare >= 0 ? spare / 2 : -((1 - spare) / 2));
    const int middle = letter.y1 + (letter.y2 - letter.y1 + 1 - height) / 2;
    // Slid half the text's width to either side, under or above it.
    const int slidRight = centred + width / 2, slidLeft = centred - width / 2;
    std::vector<TextPlace> out;
    for (int round = 0; round < kRounds; ++round) {
        const int further = round * kFurther;
        const int under = letter.y2 + 1 + further, above = letter.y1 - kAbove - height - further;
        out.push_back({centred, under});
        out.push_back({letter.x2 + 1 + kBeside + further, middle});
        out.push_back({letter.x1 - kBeside - width - further, middle});
        out.push_back({centred, above});
        out.push_back({slidRight, under});
        out.push_back({slidLeft, under});
        out.push_back({slidRight, above});
        out.push_back({slidLeft, above});
    }
    return out;
}

void DrawCentralPressures(MapCanvas& canvas, const std::vector<CentralPressure>& pressures) {
    for (const CentralPressure& p : pressures)
        canvas.DrawTextAt(static_cast<float>(p.at.x), static_cast<float>(p.at.y), p.text, TextSize::Small);
}

}  // namespace isobra
