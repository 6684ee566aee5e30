#include "model/ColourSwatches.h"

namespace isobra {

ColourBars BarsOf(Colour colour) { return {RedOf(colour), GreenOf(colour), BlueOf(colour)}; }

Colour ColourOfBars(const ColourBars& bars) { return MakeColour(bars.red, bars.green, bars.blue); }

ColourSwatches::ColourSwatches(const ColorSettings& current) : swatches_(current) {}

Colour ColourSwatches::Swatch(int item) const { return swatches_.ColorOf(item); }

ColourBars ColourSwatches::Select(int item) {
    if (item >= 1 && item <= kColourItemCount) selected_ = item;
    return BarsOf(swatches_.ColorOf(selected_));
}

void ColourSwatches::SetBars(const ColourBars& bars) {
    if (selected_ != 0) swatches_.SetColour(selected_, ColourOfBars(bars));
}

void ColourSwatches::ResetToStartUp() { swatches_.ResetToDefaults(); }

void ColourSwatches::ApplyTo(ColorSettings& settings) const { settings = swatches_; }

}  // namespace isobra
