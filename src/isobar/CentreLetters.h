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

// Top left of the central pressure text of a centre: centred under its
// letter, whose top left is the centre's position.
TextPlace CentralPressurePlace(const PlotSlot& slot, const std::string& text, const LabelStyle& style);

// The central pressure the fishery report gave for each centre letter,
// placed under it. A slot pressure of 0 or below (none given, or the table
// came from an isobar file) has none.
struct CentralPressure {
    std::string text;
    TextPlace at;
};
std::vector<CentralPressure> CentralPressures(const PlotTable& table, std::int32_t pressureScale,
                                              const LabelStyle& style);

// Prints the central pressures in small text.
void DrawCentralPressures(MapCanvas& canvas, const std::vector<CentralPressure>& pressures);

}  // namespace isobra
