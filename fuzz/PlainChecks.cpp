#include "PlainChecks.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "canvas/MapCanvas.h"
#include "isobar/CentreLetters.h"
#include "isobar/LabelledIsobars.h"
#include "satellite/ConvertedImage.h"
#include "satellite/PlaneFileConversion.h"
#include "satellite/SensorConversion.h"

namespace isobra::fuzz {

namespace {

int Bit(std::string_view bytes, std::size_t at, int bit) { return (static_cast<std::uint8_t>(bytes[at]) >> bit) & 1; }

// The palette index of pixel (x, y), top row 0, by the BMP rules: rows
// bottom first, two pixels a byte, the left one in the high four bits.
int IndexAt(std::string_view bmp, int x, int y) {
    const std::size_t at = kConvertedHeaderSize +
                           static_cast<std::size_t>(kConvertedImageHeight - 1 - y) * kConvertedRowBytes +
                           static_cast<std::size_t>(x / 2);
    const auto byte = static_cast<std::uint8_t>(bmp[at]);
    return x % 2 == 0 ? byte >> 4 : byte & 0x0f;
}

template <class Expected>
std::optional<std::pair<int, int>> FirstAmiss(std::string_view bmp, const Expected& expected) {
    for (int y = 0; y < kConvertedImageHeight; ++y)
        for (int x = 0; x < kConvertedImageWidth; ++x)
            if (IndexAt(bmp, x, y) != expected(x, y)) return std::pair{x, y};
    return std::nullopt;
}

// The number at `at` in `text`, nothing when there is none.
std::optional<std::size_t> NumberAt(std::string_view text, std::size_t at) {
    std::size_t n = 0, digits = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9' && digits < 12; ++at, ++digits)
        n = n * 10 + static_cast<std::size_t>(text[at] - '0');
    if (digits == 0) return std::nullopt;
    return n;
}

}  // namespace

std::optional<std::pair<int, int>> FirstPlanePixelAmiss(std::string_view bmp,
                                                        const std::array<std::string, 4>& planes) {
    return FirstAmiss(bmp, [&planes](int x, int y) {
        const std::size_t at = static_cast<std::size_t>(y) * kPlaneLineBytes + static_cast<std::size_t>(x / 8);
        const int bit = 7 - x % 8;
        return Bit(planes[0], at, bit) + 2 * Bit(planes[1], at, bit) + 4 * Bit(planes[2], at, bit) +
               8 * Bit(planes[3], at, bit);
    });
}

std::optional<std::pair<int, int>> FirstSensorPixelAmiss(std::string_view bmp, std::string_view source) {
    // Line L of a plane starts one byte past L * 100; of each byte the
    // pixels at bits 7, 5, 3 and 1 are kept, of the lines the even ones.
    return FirstAmiss(bmp, [source](int x, int y) {
        const std::size_t at = static_cast<std::size_t>(2 * y) * kSensorLineBytes + 1 + static_cast<std::size_t>(x / 4);
        const int bit = 7 - 2 * (x % 4);
        int index = 0;
        for (std::size_t plane = 0; plane < 4; ++plane)
            index += (8 >> plane) * Bit(source, plane * kSensorPlaneBytes + at, bit);
        return index;
    });
}

std::string LabelProblem(const IsobarLayout& layout, std::int32_t pressureScale) {
    auto inside = [](const PixelBox& b) { return b.x1 >= 0 && b.y1 >= 0 && b.x2 < kMapSize && b.y2 < kMapSize; };
    auto overlapsAny = [](const PixelBox& box, const std::vector<PixelBox>& others) {
        for (const PixelBox& other : others)
            if (box.Overlaps(other)) return true;
        return false;
    };
    std::vector<int> perLine(layout.lines.size(), 0);
    for (std::size_t a = 0; a < layout.labels.size(); ++a) {
        const IsobarLabel& label = layout.labels[a];
        const std::string where =
            label.text + " at " + std::to_string(label.box.x1) + "," + std::to_string(label.box.y1);
        if (label.line < 0 || static_cast<std::size_t>(label.line) >= layout.lines.size() ||
            layout.lines[static_cast<std::size_t>(label.line)].level != label.level)
            return where + " stands for no line of its level";
        if (label.text != PressureText(label.level, pressureScale)) return where + " is not its level written out";
        if (++perLine[static_cast<std::size_t>(label.line)] > 2) return where + " is a third value on its line";
        if (!inside(label.box)) return where + " is not inside the map";
        if (overlapsAny(label.box, layout.reserved.figures)) return where + " touches a figure";
        if (overlapsAny(label.box, layout.reserved.map)) return where + " touches the map's lines";
        if (overlapsAny(label.box, layout.pressureBoxes)) return where + " touches a central pressure";
        for (std::size_t b = a + 1; b < layout.labels.size(); ++b)
            if (label.box.Overlaps(layout.labels[b].box)) return where + " touches " + layout.labels[b].text;
    }
    return {};
}

std::string PdfFrameProblem(std::string_view pdf) {
    if (!pdf.starts_with("%PDF-1.")) return "no %PDF-1. header";
    std::string_view end = pdf;
    while (!end.empty() && (end.back() == '\n' || end.back() == '\r')) end.remove_suffix(1);
    if (!end.ends_with("%%EOF")) return "no %%EOF at the end";
    const std::size_t startxref = pdf.rfind("startxref");
    if (startxref == std::string_view::npos) return "no startxref";
    std::size_t at = startxref + 9;
    while (at < pdf.size() && (pdf[at] == '\n' || pdf[at] == '\r' || pdf[at] == ' ')) ++at;
    const std::optional<std::size_t> xref = NumberAt(pdf, at);
    if (!xref || *xref >= pdf.size() || pdf.substr(*xref, 4) != "xref") return "startxref misses the table";
    // "xref\n0 COUNT\n", then twenty bytes an object: "OFFSET GENER n \n".
    at = *xref + 4;
    while (at < pdf.size() && (pdf[at] == '\n' || pdf[at] == '\r')) ++at;
    const std::optional<std::size_t> first = NumberAt(pdf, at);
    const std::size_t space = pdf.find(' ', at);
    const std::optional<std::size_t> count = space == std::string_view::npos ? std::nullopt : NumberAt(pdf, space + 1);
    if (!first || !count || *count == 0) return "no subsection in the table";
    at = pdf.find('\n', space);
    if (at == std::string_view::npos) return "the table ends early";
    ++at;
    for (std::size_t k = 0; k < *count; ++k, at += 20) {
        if (at + 20 > pdf.size()) return "the table ends early";
        const std::string_view entry = pdf.substr(at, 20);
        if (entry[17] != 'n') continue;  // a free entry
        const std::optional<std::size_t> offset = NumberAt(entry, 0);
        const std::string object = std::to_string(*first + k) + " 0 obj";
        if (!offset || *offset >= pdf.size() || pdf.substr(*offset, object.size()) != object)
            return "object " + std::to_string(*first + k) + " is not where the table says";
    }
    if (pdf.find("trailer", at) == std::string_view::npos) return "no trailer after the table";
    return {};
}

}  // namespace isobra::fuzz
