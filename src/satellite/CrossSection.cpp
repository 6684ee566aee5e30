#include "satellite/CrossSection.h"

#include <vector>

#include "model/ColorSettings.h"

namespace isobra {

namespace {

constexpr int kFirstColumn = 10;
constexpr int kLastColumn = 380;
constexpr int kFirstRow = 40;
constexpr int kLastRow = 380;

// Brightness steps per pixel of bar: white reaches 31.875 pixels.
constexpr float kBrightnessPerPixel = 8.0f;

void DrawEastWest(MapCanvas& canvas, int y) {
    std::vector<int> brightness;
    for (int c = kFirstColumn; c <= kLastColumn; ++c) brightness.push_back(PixelBrightness(canvas.ReadPixel(c, y)));

    const float fy = static_cast<float>(y);
    canvas.DrawBox(0, fy - 50, 390, fy, PaletteColor(9));
    canvas.DrawBox(0, fy - 2, 390, fy, PaletteColor(1));
    canvas.DrawBox(389, fy - 49, 390, fy, PaletteColor(3));
    canvas.DrawBox(0, fy - 50, 390, fy - 49, PaletteColor(3));
    canvas.DrawBox(389, fy - 50, 390, fy, PaletteColor(1));
    for (int c = kFirstColumn; c <= kLastColumn; ++c) {
        const float length = static_cast<float>(brightness[c - kFirstColumn]) / kBrightnessPerPixel;
        canvas.DrawLine(static_cast<float>(c), fy - 5, static_cast<float>(c), fy - 5 - length, PaletteColor(15));
    }
}

void DrawNorthSouth(MapCanvas& canvas, int x) {
    std::vector<int> brightness;
    for (int r = kFirstRow; r <= kLastRow; ++r) brightness.push_back(PixelBrightness(canvas.ReadPixel(x, r)));

    const float fx = static_cast<float>(x);
    canvas.DrawBox(fx - 50, 32, fx, 390, PaletteColor(9));
    canvas.DrawBox(fx - 2, 32, fx, 390, PaletteColor(1));
    canvas.DrawBox(fx - 49, 389, fx, 390, PaletteColor(1));
    canvas.DrawBox(fx - 50, 32, fx, 34, PaletteColor(3));
    canvas.DrawBox(fx - 50, 32, fx - 49, 390, PaletteColor(3));
    for (int r = kFirstRow; r <= kLastRow; ++r) {
        const float length = static_cast<float>(brightness[r - kFirstRow]) / kBrightnessPerPixel;
        canvas.DrawLine(fx - 5, static_cast<float>(r), fx - 5 - length, static_cast<float>(r), PaletteColor(15));
    }
}

}  // namespace

int PixelBrightness(Colour colour) {
    // A sum divided by 3 never ends in a half, so rounding to the nearest
    // (halves to even) is adding 1 before the whole-number division.
    return (RedOf(colour) + GreenOf(colour) + BlueOf(colour) + 1) / 3;
}

void DrawCrossSection(MapCanvas& canvas, CrossSectionDirection direction, int x, int y) {
    canvas.ClearCanvas();
    if (direction == CrossSectionDirection::EastWest)
        DrawEastWest(canvas, y);
    else
        DrawNorthSouth(canvas, x);
}

}  // namespace isobra
