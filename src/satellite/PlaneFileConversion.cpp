#include "satellite/PlaneFileConversion.h"

#include <array>
#include <cstdint>
#include <vector>

#include "model/FileAccess.h"
#include "satellite/ConvertedImage.h"
#include "satellite/LittleEndian.h"

namespace isobra {

namespace {

constexpr std::size_t kBytesShown = kConvertedImageWidth / 8;  // 50 of the 80 bytes of a line

// For each plane byte, its eight bits spread into eight bytes of 0 or 1, the
// most significant bit (the leftmost pixel) in the lowest byte.
constexpr std::array<std::uint64_t, 256> SpreadBits() {
    std::array<std::uint64_t, 256> table{};
    for (unsigned value = 0; value < 256; ++value)
        for (int pixel = 0; pixel < 8; ++pixel)
            table[value] |= static_cast<std::uint64_t>((value >> (7 - pixel)) & 1) << (8 * pixel);
    return table;
}
constexpr std::array<std::uint64_t, 256> kBitsAsBytes = SpreadBits();

constexpr std::array<const char*, 4> kPlaneCodes = {"B1", "R1", "G1", "E1"};

std::string ShortPlaneReason(const std::string& name, std::size_t size) {
    return "「" + name + "」が短すぎます。" + std::to_string(size) + "バイトしかありませんが、400ライン分の" +
           std::to_string(kPlaneBytesRead) + "バイトが必要です";
}

}  // namespace

Result<std::string> ConvertPlaneBytes(std::string_view b1, std::string_view r1, std::string_view g1,
                                      std::string_view e1, const ConversionProgress& progress) {
    const std::array<std::string_view, 4> planes = {b1, r1, g1, e1};
    for (std::size_t p = 0; p < planes.size(); ++p)
        if (planes[p].size() < kPlaneBytesRead)
            return Result<std::string>::Fail(ShortPlaneReason(kPlaneCodes[p], planes[p].size()));

    std::string image = BlankConvertedImage();
    std::array<std::uint8_t, kConvertedImageWidth> row{};
    // Bottom line first, so the countdown runs as the file fills.
    for (int line = kPlaneLines - 1; line >= 0; --line) {
        const std::size_t from = static_cast<std::size_t>(line) * kPlaneLineBytes;
        std::uint8_t* pixel = row.data();
        for (std::size_t j = from; j < from + kBytesShown; ++j, pixel += 8) {
            const std::uint64_t eight = kBitsAsBytes[static_cast<std::uint8_t>(b1[j])] |
                                        kBitsAsBytes[static_cast<std::uint8_t>(r1[j])] << 1 |
                                        kBitsAsBytes[static_cast<std::uint8_t>(g1[j])] << 2 |
                                        kBitsAsBytes[static_cast<std::uint8_t>(e1[j])] << 3;
            StoreLittleEndian(eight, pixel);  // the lowest byte is the leftmost pixel
        }
        PutConvertedRow(image, line, row);
        if (progress) progress(line);
    }
    return image;
}

bool IsPlaneFileName(std::string_view name) {
    return name.size() > 3 && SameNameCaseBlind(name.substr(name.size() - 3), ".b1");
}

Result<std::string> ConvertPlaneFile(const std::string& b1Path, const ConversionProgress& progress) {
    const std::string sourceName = FileNameOf(b1Path);
    auto refuse = [&](const std::string& reason) {
        return Result<std::string>::Fail(ConversionFailureText(sourceName, reason));
    };
    if (sourceName.size() < 2 || !SameNameCaseBlind(std::string_view(sourceName).substr(sourceName.size() - 2), "B1"))
        return refuse("名前の最後が「B1」ではありません。べたファイルは名前が「B1」で終わるファイルを選んでください");

    // The siblings are expected in the case of the chosen name (name.b1 beside
    // name.r1) but are taken in any case.
    const std::string stem = b1Path.substr(0, b1Path.size() - 2);
    const bool lowerCase = b1Path[b1Path.size() - 2] == 'b';
    std::array<std::string, 4> bytes;
    std::vector<std::string> sources;
    for (std::size_t p = 0; p < kPlaneCodes.size(); ++p) {
        std::string expected = stem + kPlaneCodes[p];
        if (lowerCase) expected[expected.size() - 2] = static_cast<char>(expected[expected.size() - 2] - 'A' + 'a');
        const std::optional<std::string> found = p == 0 ? b1Path : FindCaseBlind(expected);
        if (!found) return refuse("「" + FileNameOf(expected) + "」が見つかりません");
        Result<std::string> read = ReadWholeFile(*found);
        if (!read) return refuse("「" + FileNameOf(*found) + "」を読みこめません：" + read.message());
        if (read->size() < kPlaneBytesRead) return refuse(ShortPlaneReason(FileNameOf(*found), read->size()));
        bytes[p] = std::move(*read);
        sources.push_back(*found);
    }

    const Result<std::string> image = ConvertPlaneBytes(bytes[0], bytes[1], bytes[2], bytes[3], progress);
    if (!image) return refuse(image.message());
    return SaveConvertedImage(stem + "BMP", *image, sources);
}

}  // namespace isobra
