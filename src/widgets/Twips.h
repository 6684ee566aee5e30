#pragma once

#include <QRect>

namespace isobra {

// The windows were laid out in twips, 15 to a pixel.
inline constexpr int kTwipsPerPixel = 15;

constexpr int Twips(int twips) { return twips / kTwipsPerPixel; }

inline QRect Twips(int left, int top, int width, int height) {
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

}  // namespace isobra
