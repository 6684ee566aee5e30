// The two satellite converters on any bytes. A short input is stretched to
// a whole plane set or sensor file by repeating it, so that every run
// converts; the sizes are chosen near the least each converter takes.
// Input: byte 0 chooses the converter (bit 0: sensor) and byte 1 the size
// of each source; the rest is the content (for planes, cut in four, one
// part for each plane). A source too short is refused, naming it; any other
// becomes the 400 x 400 picture whose every pixel is the sum of its bits in
// the planes, and the countdown hears each line once, from the bottom.
#include <array>
#include <vector>

#include "FuzzSupport.h"
#include "satellite/ConvertedImage.h"
#include "satellite/PlaneFileConversion.h"
#include "satellite/SensorConversion.h"

using namespace isobra;

namespace {

// `size` bytes of `pattern` over and over (zeros when it is empty).
std::string Repeat(std::string_view pattern, std::size_t size) {
    std::string out(size, '\0');
    if (!pattern.empty())
        for (std::size_t i = 0; i < size; ++i) out[i] = pattern[i % pattern.size()];
    return out;
}

// The least a converter takes, one byte less or more, or a line more.
std::size_t SizeNear(std::size_t least, unsigned choice, std::size_t line) {
    switch (choice & 3) {
        case 0:
            return least - 1;
        case 1:
            return least;
        case 2:
            return least + 1;
        default:
            return least + line;
    }
}

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
void CheckPicture(const std::string& bmp, const std::vector<int>& heard, int firstLine, int step,
                  const Expected& expected) {
    fuzz::Require(bmp.size() == kConvertedImageSize, "the picture has its size");
    fuzz::Require(std::string_view(bmp).substr(0, kConvertedHeaderSize) == ConvertedImageHeader(),
                  "the picture has its header");
    for (int y = 0; y < kConvertedImageHeight; ++y)
        for (int x = 0; x < kConvertedImageWidth; ++x)
            if (IndexAt(bmp, x, y) != expected(x, y))
                fuzz::Require(false, "each pixel is the sum of its bits",
                              "x " + std::to_string(x) + ", y " + std::to_string(y));
    std::vector<int> countdown;
    for (int line = firstLine; line >= 0; line -= step) countdown.push_back(line);
    fuzz::Require(heard == countdown, "the countdown hears each line once, from the bottom");
}

void ConvertPlanes(unsigned sizes, std::string_view content) {
    static constexpr std::array<const char*, 4> kCodes = {"B1", "R1", "G1", "E1"};
    std::array<std::string, 4> planes;
    const std::size_t part = content.size() / 4;
    for (std::size_t p = 0; p < 4; ++p)
        planes[p] =
            Repeat(content.substr(p * part, part), SizeNear(kPlaneBytesRead, (sizes >> (2 * p)) & 3, kPlaneLineBytes));
    std::vector<int> heard;
    const Result<std::string> bmp =
        ConvertPlaneBytes(planes[0], planes[1], planes[2], planes[3], [&heard](int line) { heard.push_back(line); });

    for (std::size_t p = 0; p < 4; ++p) {
        if (planes[p].size() >= kPlaneBytesRead) continue;
        fuzz::Require(!bmp && bmp.message().find(std::string("「") + kCodes[p] + "」") != std::string::npos,
                      "a short plane is refused by its code", bmp ? "converted" : bmp.message());
        fuzz::Require(heard.empty(), "nothing is converted before the planes are checked");
        return;
    }
    fuzz::Require(bmp.ok(), "four whole planes convert", bmp ? "" : bmp.message());
    CheckPicture(*bmp, heard, kPlaneLines - 1, 1, [&planes](int x, int y) {
        const std::size_t at = static_cast<std::size_t>(y) * kPlaneLineBytes + static_cast<std::size_t>(x / 8);
        const int bit = 7 - x % 8;
        return Bit(planes[0], at, bit) + 2 * Bit(planes[1], at, bit) + 4 * Bit(planes[2], at, bit) +
               8 * Bit(planes[3], at, bit);
    });
}

void ConvertSensor(unsigned sizes, std::string_view content) {
    const std::string source = Repeat(content, SizeNear(kSensorBytesRead, sizes & 3, kSensorLineBytes));
    std::vector<int> heard;
    const Result<std::string> bmp = ConvertSensorBytes(source, [&heard](int line) { heard.push_back(line); });

    if (source.size() < kSensorBytesRead) {
        fuzz::Require(!bmp && bmp.message().find(std::to_string(source.size())) != std::string::npos,
                      "a short source is refused with its size", bmp ? "converted" : bmp.message());
        fuzz::Require(heard.empty(), "nothing is converted before the size is checked");
        return;
    }
    fuzz::Require(bmp.ok(), "a whole source converts", bmp ? "" : bmp.message());
    // Line L of a plane starts one byte past L * 100; of each byte the
    // pixels at bits 7, 5, 3 and 1 are kept, of the lines the even ones.
    CheckPicture(*bmp, heard, kSensorLines - 2, 2, [&source](int x, int y) {
        const std::size_t at = static_cast<std::size_t>(2 * y) * kSensorLineBytes + 1 + static_cast<std::size_t>(x / 4);
        const int bit = 7 - 2 * (x % 4);
        int index = 0;
        for (std::size_t plane = 0; plane < 4; ++plane)
            index += (8 >> plane) * Bit(source, plane * kSensorPlaneBytes + at, bit);
        return index;
    });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::string_view content = fuzz::Bytes(data + 2, size - 2);
    if (data[0] & 1)
        ConvertSensor(data[1], content);
    else
        ConvertPlanes(data[1], content);
    return 0;
}
