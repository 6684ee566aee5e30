// The two satellite converters on any bytes, in memory and through real
// files as "画像読みこみ" and isobra-render --convert use them. A short
// input is stretched to a whole plane set or sensor file by repeating it,
// so that every run converts; the sizes are chosen near the least each
// converter takes.
// Input: byte 0 chooses the converter (bit 0: sensor), the door (bit 1:
// through files) and how the files are laid out (bit 2: the planes' codes
// in small letters, bit 3: the R1 plane missing, bit 4: the BMP's name a
// link to the source); byte 1 the size of each source; the rest is the
// content (for planes, cut in four, one part for each plane). A source too
// short is refused, naming it; any other becomes the 400 x 400 picture
// whose every pixel is the sum of its bits in the planes, and the countdown
// hears each line once, from the bottom. Through files the BMP is written
// beside the source; a missing plane, or a BMP name that is the source
// itself, is refused; the sources are never changed and no temporary file
// is left.
#include <array>
#include <filesystem>
#include <vector>

#include "FuzzSupport.h"
#include "PlainChecks.h"
#include "model/FileAccess.h"
#include "satellite/ConvertedImage.h"
#include "satellite/PlaneFileConversion.h"
#include "satellite/SensorConversion.h"

using namespace isobra;

namespace {

enum Layout : unsigned { kThroughFiles = 2, kSmallLetters = 4, kMissingPlane = 8, kBmpIsTheSource = 16 };

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

void CheckPicture(const std::string& bmp, const std::vector<int>& heard, int firstLine, int step,
                  const std::optional<std::pair<int, int>>& amiss) {
    fuzz::Require(bmp.size() == kConvertedImageSize, "the picture has its size");
    fuzz::Require(std::string_view(bmp).substr(0, kConvertedHeaderSize) == ConvertedImageHeader(),
                  "the picture has its header");
    if (amiss)
        fuzz::Require(false, "each pixel is the sum of its bits",
                      "x " + std::to_string(amiss->first) + ", y " + std::to_string(amiss->second));
    std::vector<int> countdown;
    for (int line = firstLine; line >= 0; line -= step) countdown.push_back(line);
    fuzz::Require(heard == countdown, "the countdown hears each line once, from the bottom");
}

const fuzz::RunFolder& Folder() {
    static const fuzz::RunFolder folder("satellite-fuzz");
    return folder;
}

// Converts through files named as the user finds them: the sources are
// written, the B1 plane or the sensor file is given, the BMP is read back.
// Checks what the file door adds to the conversion.
using Sources = std::vector<std::pair<std::string, std::string_view>>;

Result<std::string> ThroughFiles(unsigned layout, const Sources& sources, const std::string& bmpName,
                                 std::vector<int>& heard,
                                 Result<std::string> (*convert)(const std::string&, const ConversionProgress&)) {
    const fuzz::RunFolder& folder = Folder();
    folder.Empty();
    const bool missing = (layout & kMissingPlane) && sources.size() > 1;
    for (std::size_t k = 0; k < sources.size(); ++k)
        if (!missing || k != 1) fuzz::WriteFile(folder.PathOf(sources[k].first), sources[k].second);
    if (layout & kBmpIsTheSource) std::filesystem::create_symlink(sources[0].first, folder.PathOf(bmpName));
    const Result<std::string> written =
        convert(folder.PathOf(sources[0].first), [&heard](int line) { heard.push_back(line); });

    for (std::size_t k = 0; k < sources.size(); ++k) {
        if (missing && k == 1) continue;
        const Result<std::string> now = ReadWholeFile(folder.PathOf(sources[k].first));
        fuzz::Require(now.ok() && *now == sources[k].second, "a conversion never changes its sources");
    }
    fuzz::Require(!folder.HoldsTemporaryFiles(), "no temporary file is left");
    if (missing) {
        // Unless the B1 plane, read before it, is refused first.
        const bool named = written.message().find("「" + sources[1].first + "」が見つかりません") != std::string::npos;
        fuzz::Require(!written && (named || sources[0].second.size() < kPlaneBytesRead),
                      "a missing plane is refused by its name", written ? *written : written.message());
        return Result<std::string>::Fail("missing");
    }
    if (layout & kBmpIsTheSource) {
        fuzz::Require(!written, "a BMP that is the source is refused", written ? *written : "");
        return Result<std::string>::Fail("the source");
    }
    if (!written) {
        fuzz::Require(!std::filesystem::exists(folder.PathOf(bmpName)), "nothing is written when refused");
        return written;
    }
    fuzz::Require(*written == folder.PathOf(bmpName), "the BMP is written beside the source", *written);
    return ReadWholeFile(*written);
}

// The refusal of a short source names it: by its plane code in memory, by
// its file name through files.
bool NamesTheSource(const Result<std::string>& refused, const std::string& name) {
    return !refused && refused.message().find("「" + name + "」") != std::string::npos;
}

void ConvertPlanes(unsigned layout, unsigned sizes, std::string_view content) {
    static constexpr std::array<const char*, 4> kCodes = {"B1", "R1", "G1", "E1"};
    static std::array<std::string, 4> planes;
    const std::size_t part = content.size() / 4;
    for (std::size_t p = 0; p < 4; ++p)
        fuzz::RepeatInto(planes[p], content.substr(p * part, part),
                         SizeNear(kPlaneBytesRead, (sizes >> (2 * p)) & 3, kPlaneLineBytes));
    std::vector<int> heard;
    Sources files;
    for (std::size_t p = 0; p < 4; ++p) {
        std::string code = kCodes[p];
        if (layout & kSmallLetters) code[0] = static_cast<char>(code[0] - 'A' + 'a');
        files.emplace_back("sat." + code, planes[p]);
    }
    const bool throughFiles = layout & kThroughFiles;
    const Result<std::string> bmp = throughFiles ? ThroughFiles(layout, files, "sat.BMP", heard, ConvertPlaneFile)
                                                 : ConvertPlaneBytes(planes[0], planes[1], planes[2], planes[3],
                                                                     [&heard](int line) { heard.push_back(line); });
    if (throughFiles && (layout & (kMissingPlane | kBmpIsTheSource))) return;

    for (std::size_t p = 0; p < 4; ++p) {
        if (planes[p].size() >= kPlaneBytesRead) continue;
        fuzz::Require(NamesTheSource(bmp, throughFiles ? files[p].first : kCodes[p]),
                      "a short plane is refused by name", bmp ? "converted" : bmp.message());
        fuzz::Require(heard.empty(), "nothing is converted before the planes are checked");
        return;
    }
    fuzz::Require(bmp.ok(), "four whole planes convert", bmp ? "" : bmp.message());
    CheckPicture(*bmp, heard, kPlaneLines - 1, 1, fuzz::FirstPlanePixelAmiss(*bmp, planes));
}

void ConvertSensor(unsigned layout, unsigned sizes, std::string_view content) {
    static std::string source;
    fuzz::RepeatInto(source, content, SizeNear(kSensorBytesRead, sizes & 3, kSensorLineBytes));
    const std::string name = layout & kSmallLetters ? "forg.00a" : "FORG.00A";
    std::vector<int> heard;
    const bool throughFiles = layout & kThroughFiles;
    const Result<std::string> bmp =
        throughFiles ? ThroughFiles(layout & ~kMissingPlane, Sources{{name, source}},
                                    layout & kSmallLetters ? "forg.BMP" : "FORG.BMP", heard, ConvertSensorFile)
                     : ConvertSensorBytes(source, [&heard](int line) { heard.push_back(line); });
    if (throughFiles && (layout & kBmpIsTheSource)) return;

    if (source.size() < kSensorBytesRead) {
        fuzz::Require(!bmp && bmp.message().find(std::to_string(source.size())) != std::string::npos,
                      "a short source is refused with its size", bmp ? "converted" : bmp.message());
        fuzz::Require(heard.empty(), "nothing is converted before the size is checked");
        return;
    }
    fuzz::Require(bmp.ok(), "a whole source converts", bmp ? "" : bmp.message());
    CheckPicture(*bmp, heard, kSensorLines - 2, 2, fuzz::FirstSensorPixelAmiss(*bmp, source));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::string_view content = fuzz::Bytes(data + 2, size - 2);
    if (data[0] & 1)
        ConvertSensor(data[0], data[1], content);
    else
        ConvertPlanes(data[0], data[1], content);
    return 0;
}
