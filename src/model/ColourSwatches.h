#pragma once

#include <array>

#include "model/ColorSettings.h"

namespace isobra {

// The red, green and blue scroll bars of the colour dialog, 0..255 each.
struct ColourBars {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const ColourBars&) const = default;
};

ColourBars BarsOf(Colour colour);
Colour ColourOfBars(const ColourBars& bars);

// The colour dialog's working copy: one swatch per colour item, edited
// through the three bars while an item is selected. The settings change only
// when the dialog is confirmed (ApplyTo).
class ColourSwatches {
public:
    // Each swatch takes the current colour of its item; nothing is selected.
    explicit ColourSwatches(const ColorSettings& current);

    // Items outside 1..10 read as black.
    Colour Swatch(int item) const;
    int selected() const { return selected_; }  // 0 for none

    // Selects item 1..10 and gives the bar values of its swatch; other
    // numbers change nothing.
    ColourBars Select(int item);
    // A bar moved: the selected swatch takes the bars' colour. Nothing
    // happens without a selection.
    void SetBars(const ColourBars& bars);
    // "はじめの色": every swatch back to its start-up colour; the selection
    // and the bars stay as they were.
    void ResetToStartUp();
    // "Ｏ　Ｋ": every item takes the colour of its swatch.
    void ApplyTo(ColorSettings& settings) const;

private:
    ColorSettings swatches_;
    int selected_ = 0;
};

}  // namespace isobra
