#include "satellite/SensorConversion.h"

#include <array>
#include <cstdint>

#include "model/FileAccess.h"
#include "satellite/ConvertedImage.h"
#include "satellite/LittleEndian.h"

namespace isobra {

namespace {

// For each byte, its bits 7, 5, 3 and 1 (the pixels kept) as four bytes of 0
// or 1, bit 7 in the lowest byte.
constexpr std::array<std::uint32_t, 256> SpreadOddBits() {
    std::array<std::uint32_t, 256> table{};
    for (unsigned value = 0; value < 256; ++value)
        for (int pixel = 0; pixel < 4; ++pixel)
            table[value] |= static_cast<std::uint32_t>((value >> (7 - 2 * pixel)) & 1) << (8 * pixel);
    return table;
}
constexpr std::array<std::uint32_t, 256> kOddBitsAsBytes = SpreadOddBits();

std::string ShortSourceReason(std::size_t size) {
    return std::to_string(size) + "バイトしかありませんが、4つのプレーンを読むには" + std::to_string(kSensorBytesRead) +
           "バイトが必要です";
}

}  // namespace

Result<std::string> ConvertSensorBytes(std::string_view source, const ConversionProgress& progress) {
    if (source.size() < kSensorBytesRead) return Result<std::string>::Fail(ShortSourceReason(source.size()));

    std::string image = BlankConvertedImage();
    std::array<std::uint8_t, kConvertedImageWidth> row{};
    for (int line = kSensorLines - 2; line >= 0; line -= 2) {
        const std::size_t from = static_cast<std::size_t>(line) * kSensorLineBytes + 1;
        const auto* weight8 = reinterpret_cast<const std::uint8_t*>(source.data()) + from;
        const std::uint8_t* weight4 = weight8 + kSensorPlaneBytes;
        const std::uint8_t* weight2 = weight4 + kSensorPlaneBytes;
        const std::uint8_t* weight1 = weight2 + kSensorPlaneBytes;
        std::uint8_t* pixel = row.data();
        for (std::size_t j = 0; j < kSensorLineBytes; ++j, pixel += 4) {
            const std::uint32_t four = kOddBitsAsBytes[weight1[j]] | kOddBitsAsBytes[weight2[j]] << 1 |
                                       kOddBitsAsBytes[weight4[j]] << 2 | kOddBitsAsBytes[weight8[j]] << 3;
            StoreLittleEndian(four, pixel);
        }
        PutConvertedRow(image, line / 2, row);
        if (progress) progress(line);
    }
    return image;
}

bool IsSensorFileName(std::string_view name) {
    return name.size() == 8 && SameNameCaseBlind(name.substr(0, 7), "forg.00");
}

Result<std::string> ConvertSensorFile(const std::string& sourcePath, const ConversionProgress& progress) {
    const std::string sourceName = FileNameOf(sourcePath);
    auto refuse = [&](const std::string& reason) {
        return Result<std::string>::Fail(ConversionFailureText(sourceName, reason));
    };
    if (!IsSensorFileName(sourceName))
        return refuse(
            "名前が「forg.00?」の形ではありません。ウェザーセンサは「forg."
            "00」に1文字を足した名前のファイルを選んでください");

    Result<std::string> source = ReadWholeFile(sourcePath);
    if (!source) return refuse("読みこめません：" + source.message());
    const Result<std::string> image = ConvertSensorBytes(*source, progress);
    if (!image) return refuse(image.message());
    return SaveConvertedImage(sourcePath.substr(0, sourcePath.size() - 3) + "BMP", *image, {sourcePath});
}

}  // namespace isobra
