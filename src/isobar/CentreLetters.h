#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "isobar/LabelStyle.h"

namespace isobra {

class MapCanvas;
struct PlotSlot;
struct PlotTable;

// Whether a fishery slot gets a centre letter: a high, low or typhoon whose
// position lies within 8..391 on both axes (the letter must fit the window;
// (0, 0), no position, never does).
bool HasCentreLetter(const PlotSlot& slot);

// Prints "高", "低" or "台" with its top left at each centre of the fishery
// slots, in the canvas font and foreground colour.
void DrawCentreLetters(MapCanvas& canvas, const PlotTable& table);

// A pressure in grid units as hPa in its shortest decimal form: 103600 ->
// "1036", 100850 -> "1008.5", 100825 -> "1008.25" (scale 100).
std::string PressureText(std::int32_t units, std::int32_t pressureScale);

// A centre letter that carries a central pressure: the letter's box in the
// canvas font and the pressure the fishery report gave, as text. Centres
// whose slot pressure is 0 or below (none given, or the table came from an
// isobar file) have none.
struct CentreToLabel {
    PixelBox letter;
    std::string text;  // "1036", "984.5"
};
std::vector<CentreToLabel> CentresWithPressures(const PlotTable& table, std::int32_t pressureScale,
                                                const LabelStyle& style);

// The places tried for the top left of a central pressure text of the given
// size, in order: centred under the letter, beside it on the right and on
// the left, centred above it, then under and above it slid half the text's
// width right and left; then those eight again, a few pixels further out
// each time. None of them overlaps the letter.
std::vector<TextPlace> CentralPressurePlaces(const PixelBox& letter, int width, int height);

// A central pressure as written: its text and the top left of the text.
struct CentralPressure {
    std::string text;
    TextPlace at;
};

// Prints the central pressures in small text.
void DrawCentralPressures(MapCanvas& canvas, const std::vector<CentralPressure>& pressures);

}  // namespace isobra
