#include "render/PngEncoding.h"

#include <zlib.h>

#include <QImage>
#include <algorithm>
#include <cstring>
#include <utility>

#include "render/RenderLayers.h"
#include "widgets/PictureFile.h"
#include "widgets/QImageCanvas.h"

namespace isobra {

namespace {

constexpr int kMaxPalette = 256;
// For the rare picture of many colours (a satellite image under the map):
// a middle zlib level, written faster than with the default one.
constexpr int kFullColourQuality = 50;

void Put32(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xff);
}

void Chunk(std::string& out, const char* type, const std::string& data) {
    Put32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = out.size();
    out.append(type, 4);
    out += data;
    const auto* bytes = reinterpret_cast<const Bytef*>(out.data() + start);
    Put32(out, static_cast<std::uint32_t>(crc32(0, bytes, static_cast<uInt>(out.size() - start))));
}

// The zlib stream of the rows. Runs of one colour make up most of a map;
// zlib's run-length strategy finds them at a fraction of the usual cost.
std::string Deflate(const std::string& raw) {
    z_stream z{};
    deflateInit2(&z, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 15, 8, Z_RLE);
    std::string out(deflateBound(&z, static_cast<uLong>(raw.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(raw.data()));
    z.avail_in = static_cast<uInt>(raw.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);  // the bound leaves room for everything at once
    out.resize(z.total_out);
    deflateEnd(&z);
    return out;
}

// One byte of `Depth`-bit indices, the first pixel in the high bits.
template <int Depth, std::size_t... K>
std::uint8_t PackByte(const std::uint8_t* from, std::index_sequence<K...>) {
    return static_cast<std::uint8_t>(((unsigned{from[K]} << (8 - Depth * static_cast<int>(K + 1))) | ...));
}

// Packs a row of palette indices of `Depth` bits each.
template <int Depth>
void PackRow(const std::uint8_t* from, std::size_t width, std::uint8_t* to) {
    constexpr std::size_t kPerByte = 8 / Depth;
    std::size_t x = 0;
    for (; x + kPerByte <= width; x += kPerByte)
        *to++ = PackByte<Depth>(from + x, std::make_index_sequence<kPerByte>());
    unsigned byte = 0;
    for (int shift = 8 - Depth; x < width; ++x, shift -= Depth) byte |= unsigned{from[x]} << shift;
    if (width % kPerByte != 0) *to = static_cast<std::uint8_t>(byte);
}

}  // namespace

std::optional<IndexedPicture> ComposeIndexed(const QImageCanvas& canvas, const PictureArea& area) {
    const QImage& drawing = canvas.DrawingLayer();
    const std::shared_ptr<const RgbImage> picture = canvas.BackgroundPicture();
    const Colour ground = canvas.BackgroundColour();
    IndexedPicture out;
    out.width = area.width;
    out.height = area.height;
    out.pixels.resize(static_cast<std::size_t>(area.width) * static_cast<std::size_t>(area.height));
    // Colours come in runs: the last one found is tried first.
    QRgb last = 0;
    int lastIndex = -1;
    auto indexOf = [&](QRgb c) {
        if (c == last && lastIndex >= 0) return lastIndex;
        const auto it = std::find(out.palette.begin(), out.palette.end(), c);
        if (it != out.palette.end()) {
            lastIndex = static_cast<int>(it - out.palette.begin());
        } else if (out.palette.size() < kMaxPalette) {
            lastIndex = static_cast<int>(out.palette.size());
            out.palette.push_back(c);
        } else {
            return -1;
        }
        last = c;
        return lastIndex;
    };
    // Where nothing is drawn the picture or the ground shows: the ground
    // colour comes first, and a map without a picture is mostly that.
    const int groundIndex = indexOf(qRgb(RedOf(ground), GreenOf(ground), BlueOf(ground)));
    std::fill(out.pixels.begin(), out.pixels.end(), static_cast<std::uint8_t>(groundIndex));
    std::uint8_t* row = out.pixels.data();
    for (int y = area.y; y < area.y + area.height; ++y, row += area.width) {
        const auto* line = reinterpret_cast<const QRgb*>(drawing.constScanLine(y)) + area.x;
        const int pictureEnd = picture && y < picture->height ? std::min(picture->width - area.x, area.width) : 0;
        for (int x = 0; x < area.width; ++x) {
            const QRgb d = line[x];
            if (d == 0 && x >= pictureEnd) continue;  // blank over the ground
            int index;
            if (d == last) {
                index = lastIndex;  // the run goes on (`last` is opaque, so never a blank pixel)
            } else if (qAlpha(d) == 255) {
                index = indexOf(d);
            } else if (qAlpha(d) != 0) {
                return std::nullopt;  // blended: only the full composition gets it right
            } else if (x < pictureEnd) {
                const Colour c = picture->At(area.x + x, y);
                index = indexOf(qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
            } else {
                continue;
            }
            if (index < 0) return std::nullopt;
            row[x] = static_cast<std::uint8_t>(index);
        }
    }
    return out;
}

std::string EncodePng(const IndexedPicture& p) {
    const std::size_t colours = p.palette.size();
    const int depth = colours <= 2 ? 1 : colours <= 4 ? 2 : colours <= 16 ? 4 : 8;
    const std::size_t width = static_cast<std::size_t>(p.width);
    const std::size_t rowBytes = (width * static_cast<std::size_t>(depth) + 7) / 8;
    std::string raw(static_cast<std::size_t>(p.height) * (rowBytes + 1), '\0');  // each row: no filter, then pixels
    for (std::size_t y = 0; y < static_cast<std::size_t>(p.height); ++y) {
        const std::uint8_t* from = p.pixels.data() + y * width;
        auto* to = reinterpret_cast<std::uint8_t*>(raw.data()) + y * (rowBytes + 1) + 1;
        switch (depth) {
            case 1:
                PackRow<1>(from, width, to);
                break;
            case 2:
                PackRow<2>(from, width, to);
                break;
            case 4:
                PackRow<4>(from, width, to);
                break;
            default:
                std::copy(from, from + width, to);
        }
    }

    std::string header;
    Put32(header, static_cast<std::uint32_t>(p.width));
    Put32(header, static_cast<std::uint32_t>(p.height));
    header += static_cast<char>(depth);
    header += std::string("\x03\x00\x00\x00", 4);  // palette colours, deflate, no filter method, not interlaced
    std::string palette;
    for (const QRgb c : p.palette) {
        palette += static_cast<char>(qRed(c));
        palette += static_cast<char>(qGreen(c));
        palette += static_cast<char>(qBlue(c));
    }
    std::string png("\x89PNG\r\n\x1a\n", 8);
    Chunk(png, "IHDR", header);
    Chunk(png, "PLTE", palette);
    Chunk(png, "IDAT", Deflate(raw));
    Chunk(png, "IEND", {});
    return png;
}

std::string EncodePng(const QImage& picture) {
    Result<std::string> png = EncodePngFile(picture, kFullColourQuality);
    return png ? std::move(*png) : std::string();
}

}  // namespace isobra
