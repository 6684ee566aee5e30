#include "render/PngEncoding.h"

#include <libdeflate.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <QImage>
#include <algorithm>
#include <bit>
#include <cstring>
#include <memory>
#include <new>
#include <utility>

#include "render/RenderLayers.h"
#include "widgets/Deflate.h"
#include "widgets/PictureFile.h"
#include "widgets/QImageCanvas.h"

namespace isobra {

namespace {

constexpr int kMaxPalette = 256;

// Bit i set where pixel i of the kBlock pixels from `p` is drawn, that is
// not blank (0, transparent black).
constexpr int kBlock = 8;
unsigned DrawnMask(const QRgb* p) {
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p)), zero);
    const __m128i high = _mm_cmpeq_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 4)), zero);
    const unsigned blank = static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(low))) |
                           static_cast<unsigned>(_mm_movemask_ps(_mm_castsi128_ps(high))) << 4;
    return ~blank & 0xffu;
#else
    unsigned drawn = 0;
    for (int i = 0; i < kBlock; ++i) drawn |= unsigned{p[i] != 0} << i;
    return drawn;
#endif
}
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
    Put32(out, libdeflate_crc32(0, out.data() + start, out.size() - start));
}

// One byte of `Depth`-bit indices, the first pixel in the high bits.
template <int Depth, std::size_t... K>
std::uint8_t PackByte(const std::uint8_t* from, std::index_sequence<K...>) {
    return static_cast<std::uint8_t>(((unsigned{from[K]} << (8 - Depth * static_cast<int>(K + 1))) | ...));
}

// Packs a row of palette indices of `Depth` bits each. One multiplication
// gathers the indices of eight (1 bit) or four (2 bits) pixels read as one
// little-endian word into the top byte: no two of its partial products
// overlap below that byte, so no carry reaches it.
template <int Depth>
void PackRow(const std::uint8_t* from, std::size_t width, std::uint8_t* to) {
    constexpr std::size_t kPerByte = 8 / Depth;
    std::size_t x = 0;
    if constexpr (std::endian::native == std::endian::little && Depth == 1) {
        for (; x + 8 <= width; x += 8) {
            std::uint64_t v;
            std::memcpy(&v, from + x, 8);
            *to++ = static_cast<std::uint8_t>((v * 0x8040201008040201u) >> 56);
        }
    } else if constexpr (std::endian::native == std::endian::little && Depth == 2) {
        for (; x + 4 <= width; x += 4) {
            std::uint32_t v;
            std::memcpy(&v, from + x, 4);
            *to++ = static_cast<std::uint8_t>((v * 0x40100401u) >> 24);
        }
    }
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
        // Over the picture: the drawing where it is opaque, else the picture.
        for (int x = 0; x < pictureEnd; ++x) {
            const QRgb d = line[x];
            int index;
            if (d == last) {
                index = lastIndex;  // the run goes on (`last` is opaque, so never a blank pixel)
            } else if (qAlpha(d) == 255) {
                index = indexOf(d);
            } else if (qAlpha(d) != 0) {
                return std::nullopt;  // blended: only the full composition gets it right
            } else {
                const Colour c = picture->At(area.x + x, y);
                index = indexOf(qRgb(RedOf(c), GreenOf(c), BlueOf(c)));
            }
            if (index < 0) return std::nullopt;
            row[x] = static_cast<std::uint8_t>(index);
        }
        // Over the ground, which the pixels already hold: most of a map is
        // blank here, so eight pixels at a time are tested for being drawn
        // and only the drawn ones are looked at.
        for (int x = std::max(pictureEnd, 0); x < area.width;) {
            const int end = std::min(x + kBlock, area.width);
            unsigned drawn = 0;
            if (end - x == kBlock) {
                drawn = DrawnMask(line + x);
            } else {
                for (int i = x; i < end; ++i) drawn |= unsigned{line[i] != 0} << (i - x);
            }
            for (; drawn != 0; drawn &= drawn - 1) {
                const int at = x + std::countr_zero(drawn);
                const QRgb d = line[at];
                if (d == last) {
                    row[at] = static_cast<std::uint8_t>(lastIndex);
                    continue;
                }
                if (qAlpha(d) != 255) {
                    if (qAlpha(d) != 0) return std::nullopt;
                    continue;  // transparent: the ground shows
                }
                const int index = indexOf(d);
                if (index < 0) return std::nullopt;
                row[at] = static_cast<std::uint8_t>(index);
            }
            x = end;
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
