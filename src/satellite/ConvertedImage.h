#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace isobra {

// The picture both converters write: a 400 x 400 BMP with 4 bits per pixel
// and a palette of 16 greys, exactly 80118 bytes.
inline constexpr int kConvertedImageWidth = 400;
inline constexpr int kConvertedImageHeight = 400;
inline constexpr std::size_t kConvertedPixelCount = 400 * 400;
inline constexpr std::size_t kConvertedHeaderSize = 118;
inline constexpr std::size_t kConvertedRowBytes = 200;  // two pixels a byte, no padding needed
inline constexpr std::size_t kConvertedImageSize = kConvertedHeaderSize + kConvertedRowBytes * kConvertedImageHeight;

// The 118 bytes in front of the pixels: file header, 40-byte info header
// (400 x 400, positive height so rows run bottom first, 1 plane, 4 bits, no
// compression) and the palette, entry i the grey 16 i and entry 15 white.
std::string_view ConvertedImageHeader();

// One row of a picture as palette indices, left to right.
using ConvertedRow = std::span<const std::uint8_t, kConvertedImageWidth>;

// A converted image with every pixel at index 0, to be filled row by row.
std::string BlankConvertedImage();

// Stores row `row` (0 = top) of a picture into `image`, an image from
// BlankConvertedImage. Rows are stored bottom first, as BMP wants, two
// pixels a byte with the left pixel in the high four bits; only the low four
// bits of an index count. A row outside 0..399 or an image of another size
// is left alone.
void PutConvertedRow(std::string& image, int row, ConvertedRow indices);

}  // namespace isobra
