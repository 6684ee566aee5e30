#pragma once

#include <array>

#include "model/Colour.h"

namespace isobra {

// The fixed 16-colour palette, index 0..15; indices outside give black.
Colour PaletteColor(int index);

// The ten colour items of the colour dialog, numbered as the dialog numbers
// them: 1 text, 2 map, 3 isobars, 4 weather symbols, 5 wind-force symbols,
// 6 warm, 7 cold, 8 stationary, 9 occluded fronts, 10 background.
enum ColourItem : int {
    kTextColour = 1,
    kMapColour = 2,
    kIsobarColour = 3,
    kWeatherSymbolColour = 4,
    kWindSymbolColour = 5,
    kWarmFrontColour = 6,
    kColdFrontColour = 7,
    kStationaryFrontColour = 8,
    kOccludedFrontColour = 9,
    kBackgroundColour = 10,
};
inline constexpr int kColourItemCount = 10;

class ColorSettings {
public:
    ColorSettings() { ResetToDefaults(); }

    // The start-up colour of an item (palette 15 for the background, 0 for
    // text, 9 for map, isobars and symbols, 12 for the four fronts).
    static Colour DefaultOf(int item);

    void ResetToDefaults();
    // Items outside 1..10 read as black and are not stored.
    Colour ColorOf(int item) const;
    void SetColour(int item, Colour colour);

    bool operator==(const ColorSettings&) const = default;

private:
    std::array<Colour, kColourItemCount + 1> items_{};  // index 0 unused
};

}  // namespace isobra
