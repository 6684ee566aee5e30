#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "satellite/ConvertedImage.h"
#include "support/TempFolder.h"

namespace isobra::testing {

using test::TempFolder;

// The palette index of pixel (x, y), top row 0, read back from a converted
// image by the BMP rules: rows bottom first, left pixel in the high nibble.
inline int IndexAt(const std::string& bmp, int x, int y) {
    const std::size_t at = 118 + static_cast<std::size_t>(399 - y) * 200 + static_cast<std::size_t>(x / 2);
    const auto byte = static_cast<std::uint8_t>(bmp.at(at));
    return x % 2 == 0 ? byte >> 4 : byte & 0x0f;
}

// All 160000 indices of a converted image, top row first.
inline std::vector<int> IndicesOf(const std::string& bmp) {
    std::vector<int> out;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x) out.push_back(IndexAt(bmp, x, y));
    return out;
}

// The whole file for a picture given as palette indices, one per pixel,
// row-major with the top row first. Indices missing at the end count as 0
// and extra ones are ignored.
inline std::string EncodeConvertedImage(std::span<const std::uint8_t> indices) {
    std::string image = BlankConvertedImage();
    std::array<std::uint8_t, kConvertedImageWidth> row{};
    for (int y = 0; y < kConvertedImageHeight; ++y) {
        const std::size_t from = static_cast<std::size_t>(y) * kConvertedImageWidth;
        row.fill(0);
        for (std::size_t x = 0; x < row.size() && from + x < indices.size(); ++x) row[x] = indices[from + x];
        PutConvertedRow(image, y, row);
    }
    return image;
}

// Indices all `fill` except (x, y), which holds `index`.
inline std::vector<int> OnePixel(int x, int y, int index, int fill = 0) {
    std::vector<int> out(160000, fill);
    if (x >= 0) out[static_cast<std::size_t>(y) * 400 + x] = index;
    return out;
}

}  // namespace isobra::testing
