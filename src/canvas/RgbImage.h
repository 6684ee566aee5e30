#pragma once

#include <cstdint>
#include <vector>

#include "model/Colour.h"

namespace isobra {

// A plain picture in memory, rows top first; used as the canvas's background
// picture (a satellite image) without tying the core to a toolkit.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels;  // width * height, row-major, top row first

    RgbImage() = default;
    RgbImage(int w, int h, Colour fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill) {}

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Colour At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void Set(int x, int y, Colour c) { pixels[static_cast<std::size_t>(y) * width + x] = c; }
    bool operator==(const RgbImage&) const = default;
};

}  // namespace isobra
