#pragma once

#include <cstdint>

namespace isobra {

// A 24-bit RGB colour composed as red + 256 x green + 65536 x blue (red in
// the low byte), as the colour settings store it.
using Colour = std::uint32_t;

constexpr Colour MakeColour(int red, int green, int blue) {
    return static_cast<Colour>((red & 0xff) | ((green & 0xff) << 8) | ((blue & 0xff) << 16));
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xff); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xff); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xff); }

}  // namespace isobra
