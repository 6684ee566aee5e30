#pragma once

#include <string_view>

namespace isobra {

// A rectangle of whole pixels, both edges included.
struct PixelBox {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;

    bool Overlaps(const PixelBox& o) const { return x1 <= o.x2 && o.x1 <= x2 && y1 <= o.y2 && o.y1 <= y2; }
    bool Contains(int x, int y) const { return x1 <= x && x <= x2 && y1 <= y && y <= y2; }
    PixelBox Grown(int by) const { return {x1 - by, y1 - by, x2 + by, y2 + by}; }
    bool operator==(const PixelBox&) const = default;
};

// The size of text in one font of fixed pitch: a half-width character (a
// digit, the point) is charWidth pixels wide, a full-width one ("高") twice
// that; height is the height of a line, top to bottom.
struct TextMetric {
    int charWidth = 0;
    int height = 0;
};

// The fonts the labelled isobar drawing reckons with. The canvas draws its
// small text and its own font with these sizes or smaller; the UI sets them
// from the fonts it draws with.
struct LabelStyle {
    TextMetric small{5, 10};   // isobar values and central pressures
    TextMetric canvas{6, 13};  // the canvas font: centre letters
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
