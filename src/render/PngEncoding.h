#pragma once

#include <QRgb>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QImage;

namespace isobra {

class QImageCanvas;
struct PictureArea;

// A picture of few colours: for each pixel, row by row from the top, an
// index into a palette of at most 256 colours.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<QRgb> palette;
    std::vector<std::uint8_t> pixels;
};

// The area of the canvas as the user sees it (drawing over background
// picture over background colour), with its colours in order of first
// appearance; none when it has more than 256 colours. A map has a handful,
// so this is much quicker to pack than full colour.
std::optional<IndexedPicture> ComposeIndexed(const QImageCanvas& canvas, const PictureArea& area);

// A PNG file of the picture: palette colours at the fewest bits per pixel
// that hold them, rows unfiltered, deflated at the fastest level, which
// suits a map of thin lines on a plain ground and is quick.
std::string EncodePng(const IndexedPicture& picture);

// A PNG file of any picture, in full colour, for one of too many colours.
std::string EncodePng(const QImage& picture);

}  // namespace isobra
