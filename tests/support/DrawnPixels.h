#pragma once

#include <QImage>
#include <optional>

namespace isobra::test {

// The pixels a drawing layer holds (those not left transparent), or only
// those of one colour.
inline int DrawnPixels(const QImage& layer, std::optional<QRgb> colour = {}) {
    int n = 0;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x) {
            const QRgb pixel = layer.pixel(x, y);
            if (qAlpha(pixel) != 0 && (!colour || (pixel & 0xffffff) == (*colour & 0xffffff))) ++n;
        }
    return n;
}

}  // namespace isobra::test
