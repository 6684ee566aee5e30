#include <gtest/gtest.h>

#include "model/ColourSwatches.h"

namespace isobra {
namespace {

TEST(ColourSwatches, SelectingSplitsTheSwatchIntoTheBars) {
    ColorSettings settings;
    settings.SetColour(kIsobarColour, MakeColour(12, 34, 56));
    ColourSwatches swatches(settings);
    EXPECT_EQ(swatches.selected(), 0);
    EXPECT_EQ(swatches.Select(kBackgroundColour), (ColourBars{255, 255, 255}));
    EXPECT_EQ(swatches.Select(kIsobarColour), (ColourBars{12, 34, 56}));
    EXPECT_EQ(swatches.Select(kWarmFrontColour), (ColourBars{255, 0, 0}));
    EXPECT_EQ(swatches.Select(11), (ColourBars{255, 0, 0}));  // not an item: the selection stays
    EXPECT_EQ(swatches.selected(), kWarmFrontColour);
}

TEST(ColourSwatches, BarsComposeRedPlus256GreenPlus65536Blue) {
    ColourSwatches swatches{ColorSettings{}};
    swatches.Select(kBackgroundColour);
    swatches.SetBars({255, 255, 0});
    EXPECT_EQ(swatches.Swatch(kBackgroundColour), Colour{255 + 256 * 255});  // yellow
    swatches.SetBars({1, 2, 3});
    EXPECT_EQ(swatches.Swatch(kBackgroundColour), Colour{1 + 256 * 2 + 65536 * 3});
    EXPECT_EQ(swatches.Swatch(kTextColour), MakeColour(0, 0, 0));  // the others untouched
}

TEST(ColourSwatches, BarsDoNothingWithoutASelection) {
    const ColorSettings start;
    ColourSwatches swatches(start);
    swatches.SetBars({1, 2, 3});
    ColorSettings applied;
    applied.SetColour(kMapColour, 7);
    swatches.ApplyTo(applied);
    EXPECT_EQ(applied, start);
}

TEST(ColourSwatches, StartUpColoursReachTheSettingsOnlyWhenApplied) {
    ColorSettings settings;
    for (int item = 1; item <= kColourItemCount; ++item) settings.SetColour(item, MakeColour(item, item, item));
    const ColorSettings before = settings;
    ColourSwatches swatches(settings);
    swatches.Select(kMapColour);
    swatches.ResetToStartUp();
    EXPECT_EQ(swatches.selected(), kMapColour);  // the selection stays
    EXPECT_EQ(swatches.Swatch(kMapColour), PaletteColor(9));
    EXPECT_EQ(settings, before);
    swatches.ApplyTo(settings);
    EXPECT_EQ(settings, ColorSettings{});
}

}  // namespace
}  // namespace isobra
