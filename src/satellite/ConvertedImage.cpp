#include "satellite/ConvertedImage.h"

#include <array>
#include <bit>
#include <cstring>

#include "satellite/LittleEndian.h"

namespace isobra {

namespace {

constexpr int HexValue(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

// The header as hexadecimal text, two digits a byte, so that it reads like
// a hex dump of the file's start.
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

// Eight bytes as one number, the first byte lowest.
std::uint64_t LoadLittleEndian(const std::uint8_t* bytes) {
    std::uint64_t value = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&value, bytes, sizeof value);
    } else {
        for (int k = 0; k < 8; ++k) value |= static_cast<std::uint64_t>(bytes[k]) << (8 * k);
    }
    return value;
}

}  // namespace

std::string_view ConvertedImageHeader() { return {kHeader.data(), kHeader.size()}; }

std::string BlankConvertedImage() {
    std::string image(kConvertedImageSize, '\0');
    image.replace(0, kConvertedHeaderSize, ConvertedImageHeader());
    return image;
}

void PutConvertedRow(std::string& image, int row, ConvertedRow indices) {
    if (image.size() != kConvertedImageSize || row < 0 || row >= kConvertedImageHeight) return;
    char* byte =
        &image[kConvertedHeaderSize + static_cast<std::size_t>(kConvertedImageHeight - 1 - row) * kConvertedRowBytes];
    // Eight pixels at a time: each 16-bit lane holds a left and a right pixel
    // and becomes one byte, left pixel high; the four bytes are then closed up.
    for (std::size_t i = 0; i < kConvertedRowBytes; i += 4) {
        const std::uint64_t eight = LoadLittleEndian(&indices[2 * i]);
        std::uint64_t pairs = (eight & 0x000f000f000f000fULL) << 4 | (eight >> 8 & 0x000f000f000f000fULL);
        pairs = (pairs | pairs >> 8) & 0x0000ffff0000ffffULL;
        pairs = (pairs | pairs >> 16) & 0x00000000ffffffffULL;
        StoreLittleEndian(static_cast<std::uint32_t>(pairs), byte + i);
    }
}

}  // namespace isobra
