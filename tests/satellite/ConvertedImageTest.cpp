#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "SatelliteTestSupport.h"
#include "satellite/ConvertedImage.h"

namespace isobra {
namespace {

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xff));
}

// The header built field by field, to check the stored bytes against.
std::string HeaderFromFields() {
    std::string h = "BM";
    PutLittleEndian(h, 80118, 4);                                      // file size
    PutLittleEndian(h, 0, 4);                                          // reserved
    PutLittleEndian(h, 118, 4);                                        // pixel data offset
    PutLittleEndian(h, 40, 4);                                         // info header size
    PutLittleEndian(h, 400, 4);                                        // width
    PutLittleEndian(h, 400, 4);                                        // height, positive: bottom row first
    PutLittleEndian(h, 1, 2);                                          // planes
    PutLittleEndian(h, 4, 2);                                          // bits per pixel
    for (int field = 0; field < 6; ++field) PutLittleEndian(h, 0, 4);  // compression .. important colours
    for (int i = 0; i < 16; ++i) {
        const int grey = i == 15 ? 0xff : 16 * i;
        h += {static_cast<char>(grey), static_cast<char>(grey), static_cast<char>(grey), '\0'};
    }
    return h;
}

TEST(ConvertedImage, HeaderIsTheFourBitGreyBmpHeader) {
    EXPECT_EQ(ConvertedImageHeader(), HeaderFromFields());
    EXPECT_EQ(ConvertedImageHeader().size(), 118u);
}

struct PixelCase {
    int x, y;
    std::size_t byte;  // where the pixel lands in the file
    bool highNibble;
};

class ConvertedImagePixel : public ::testing::TestWithParam<PixelCase> {};

TEST_P(ConvertedImagePixel, LandsInItsByteAndNibbleAlone) {
    const PixelCase c = GetParam();
    std::vector<std::uint8_t> indices(kConvertedPixelCount, 0);
    indices[static_cast<std::size_t>(c.y) * 400 + c.x] = 0x0b;
    const std::string bmp = testing::EncodeConvertedImage(indices);

    ASSERT_EQ(bmp.size(), 80118u);
    std::string expected = HeaderFromFields() + std::string(80000, '\0');
    expected[c.byte] = static_cast<char>(c.highNibble ? 0xb0 : 0x0b);
    EXPECT_EQ(bmp, expected);
}

INSTANTIATE_TEST_SUITE_P(BottomRowFirstLeftPixelHigh, ConvertedImagePixel,
                         ::testing::Values(PixelCase{0, 0, 118 + 399 * 200, true},
                                           PixelCase{1, 0, 118 + 399 * 200, false},
                                           PixelCase{399, 0, 118 + 399 * 200 + 199, false},
                                           PixelCase{2, 1, 118 + 398 * 200 + 1, true}, PixelCase{0, 399, 118, true},
                                           PixelCase{399, 399, 118 + 199, false}));

TEST(ConvertedImage, ReadsBackEveryPixelOfARandomPicture) {
    std::mt19937 random(7);
    std::vector<std::uint8_t> indices(kConvertedPixelCount);
    for (std::uint8_t& index : indices) index = static_cast<std::uint8_t>(random() % 16);
    const std::vector<int> expected(indices.begin(), indices.end());
    EXPECT_EQ(testing::IndicesOf(testing::EncodeConvertedImage(indices)), expected);
}

TEST(ConvertedImage, KeepsTheLowFourBitsAndPadsAShortPicture) {
    const std::vector<std::uint8_t> indices = {0x1f, 0x23, 0x07};
    const std::string bmp = testing::EncodeConvertedImage(indices);
    ASSERT_EQ(bmp.size(), 80118u);
    EXPECT_EQ(testing::IndexAt(bmp, 0, 0), 0x0f);
    EXPECT_EQ(testing::IndexAt(bmp, 1, 0), 0x03);
    EXPECT_EQ(testing::IndexAt(bmp, 2, 0), 0x07);
    EXPECT_EQ(testing::IndexAt(bmp, 3, 0), 0);
}

}  // namespace
}  // namespace isobra
