#include "model/ColorSettings.h"

namespace isobra {

Colour PaletteColor(int index) {
    static constexpr std::array<Colour, 16> kPalette = {
        MakeColour(0, 0, 0),       MakeColour(0, 0, 128),   MakeColour(0, 128, 0),   MakeColour(0, 128, 128),
        MakeColour(128, 0, 0),     MakeColour(128, 0, 128), MakeColour(128, 128, 0), MakeColour(192, 192, 192),
        MakeColour(128, 128, 128), MakeColour(0, 0, 255),   MakeColour(0, 255, 0),   MakeColour(0, 255, 255),
        MakeColour(255, 0, 0),     MakeColour(255, 0, 255), MakeColour(255, 255, 0), MakeColour(255, 255, 255)};
    if (index < 0 || index >= 16) return 0;
    return kPalette[index];
}

Colour ColorSettings::DefaultOf(int item) {
    switch (item) {
        case kBackgroundColour:
            return PaletteColor(15);
        case kTextColour:
            return PaletteColor(0);
        case kMapColour:
        case kIsobarColour:
        case kWeatherSymbolColour:
        case kWindSymbolColour:
            return PaletteColor(9);
        case kWarmFrontColour:
        case kColdFrontColour:
        case kStationaryFrontColour:
        case kOccludedFrontColour:
            return PaletteColor(12);
        default:
            return 0;
    }
}

void ColorSettings::ResetToDefaults() {
    items_[0] = 0;
    for (int item = 1; item <= kColourItemCount; ++item) items_[item] = DefaultOf(item);
}

Colour ColorSettings::ColorOf(int item) const {
    if (item < 1 || item > kColourItemCount) return 0;
    return items_[item];
}

void ColorSettings::SetColour(int item, Colour colour) {
    if (item < 1 || item > kColourItemCount) return;
    items_[item] = colour & 0xffffffu;
}

}  // namespace isobra
