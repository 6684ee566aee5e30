#include "satellite/SensorConversion.h"

#include <array>
#include <cstdint>
#include <vector>

#include "model/FileAccess.h"
#include "satellite/ConvertedImage.h"

namespace isobra {

namespace {

constexpr std::array<int, 4> kPlaneWeights = {8, 4, 2, 1};

std::string ShortSourceReason(std::size_t size) {
    return std::to_string(size) + "バイトしかありませんが、4つのプレーンを読むには" +
           std::to_string(kSensorBytesRead) + "バイトが必要です";
}

}  // namespace

Result<std::string> ConvertSensorBytes(std::string_view source, const ConversionProgress& progress) {
    if (source.size() < kSensorBytesRead) return Result<std::string>::Fail(ShortSourceReason(source.size()));

    std::vector<std::uint8_t> indices(kConvertedPixelCount);
    for (int line = kSensorLines - 2; line >= 0; line -= 2) {
        std::uint8_t* row = &indices[static_cast<std::size_t>(line / 2) * kConvertedImageWidth];
        for (std::size_t p = 0; p < kPlaneWeights.size(); ++p) {
            const std::size_t from = p * kSensorPlaneBytes + static_cast<std::size_t>(line) * kSensorLineBytes + 1;
            std::uint8_t* pixel = row;
            for (std::size_t j = from; j < from + kSensorLineBytes; ++j) {
                const auto byte = static_cast<std::uint8_t>(source[j]);
                for (int bit = 7; bit >= 1; bit -= 2) *pixel++ += static_cast<std::uint8_t>(((byte >> bit) & 1) * kPlaneWeights[p]);
            }
        }
        if (progress) progress(line);
    }
    return EncodeConvertedImage(indices);
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
        return refuse("ウェザーセンサのファイルは「forg.00」に1文字を足した名前です");

    Result<std::string> source = ReadWholeFile(sourcePath);
    if (!source) return refuse("読みこめません：" + source.message());
    const Result<std::string> image = ConvertSensorBytes(*source, progress);
    if (!image) return refuse(image.message());

    const std::string wanted = sourcePath.substr(0, sourcePath.size() - 3) + "BMP";
    const std::string output = FindCaseBlind(wanted).value_or(wanted);
    const Status saved = SaveFileAtomically(output, *image);
    if (!saved) return Result<std::string>::Fail(SaveFailureText(FileNameOf(output), saved.message()));
    return output;
}

}  // namespace isobra
