#pragma once

#include <string_view>

#include "isobar/PixelBox.h"

namespace isobra {

// The size of text in one font of fixed pitch: a half-width character (a
// digit, the point) is charWidth pixels wide, a full-width one ("高") twice
// that; height counts the rows from the top of the text down to the lowest
// row any of its characters lights.
struct TextMetric {
    int charWidth = 0;
    int height = 0;
};

// The fonts the labelled isobar drawing reckons with: the glyph boxes of the
// fonts the Qt canvas draws with (IPAGothic at 11 and 12 pixels, measured by
// the canvas's tests). Every pixel of a text lies inside its TextBox.
struct LabelStyle {
    TextMetric small{6, 10};   // isobar values and central pressures: figures only
    TextMetric canvas{6, 12};  // the canvas font: centre letters
};

// The top left of a text, where DrawTextAt puts it.
struct TextPlace {
    int x = 0;
    int y = 0;
    bool operator==(const TextPlace&) const = default;
};

// Width in pixels of UTF-8 text: charWidth per ASCII character, twice that
// per other character.
inline int TextWidth(std::string_view text, const TextMetric& metric) {
    int width = 0;
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80) {
            width += metric.charWidth;
        } else if ((byte & 0xc0) != 0x80) {
            width += 2 * metric.charWidth;  // the first byte of a multi-byte character
        }
    }
    return width;
}

// The pixels text covers when its top left is at `at`.
inline PixelBox TextBox(TextPlace at, std::string_view text, const TextMetric& metric) {
    return {at.x, at.y, at.x + TextWidth(text, metric) - 1, at.y + metric.height - 1};
}

}  // namespace isobra
