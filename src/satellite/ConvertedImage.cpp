#include "satellite/ConvertedImage.h"

#include <array>

namespace isobra {

namespace {

constexpr int HexValue(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

// The header kept as the hexadecimal text it was always written as, two
// digits a byte.
constexpr std::string_view kHeaderHex =
    "424DF638010000000000760000002800"
    "00009001000090010000010004000000"
    "00000000000000000000000000000000"
    "00000000000000000000101010002020"
    "20003030300040404000505050006060"
    "6000707070008080800090909000A0A0"
    "A000B0B0B000C0C0C000D0D0D000E0E0"
    "E000FFFFFF00";
static_assert(kHeaderHex.size() == 2 * kConvertedHeaderSize);

constexpr std::array<char, kConvertedHeaderSize> DecodeHeader() {
    std::array<char, kConvertedHeaderSize> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(HexValue(kHeaderHex[2 * i]) * 16 + HexValue(kHeaderHex[2 * i + 1]));
    return bytes;
}

constexpr std::array<char, kConvertedHeaderSize> kHeader = DecodeHeader();

}  // namespace

std::string_view ConvertedImageHeader() { return {kHeader.data(), kHeader.size()}; }

std::string EncodeConvertedImage(std::span<const std::uint8_t> indices) {
    std::string out(kConvertedImageSize, '\0');
    out.replace(0, kConvertedHeaderSize, ConvertedImageHeader());
    const std::size_t count = indices.size() < kConvertedPixelCount ? indices.size() : kConvertedPixelCount;
    for (std::size_t i = 0; i < count; i += 2) {
        const std::size_t row = i / kConvertedImageWidth;
        const std::size_t column = i % kConvertedImageWidth;
        const int left = indices[i] & 0x0f;
        const int right = i + 1 < count ? indices[i + 1] & 0x0f : 0;
        const std::size_t at =
            kConvertedHeaderSize + (kConvertedImageHeight - 1 - row) * kConvertedRowBytes + column / 2;
        out[at] = static_cast<char>(left << 4 | right);
    }
    return out;
}

}  // namespace isobra
