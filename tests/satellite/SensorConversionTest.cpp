#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "SatelliteTestSupport.h"
#include "satellite/SensorConversion.h"

namespace isobra {
namespace {

using testing::IndicesOf;
using testing::OnePixel;
using testing::TempFolder;

constexpr std::size_t kFullSize = 320000;

// One byte of the source set; the pixel it should light, if any.
struct ByteCase {
    const char* what;
    std::size_t offset;
    unsigned char value;
    int x, y, index;  // x = -1: nothing lit
};

void PrintTo(const ByteCase& c, std::ostream* out) { *out << c.what; }

class SensorByte : public ::testing::TestWithParam<ByteCase> {};

TEST_P(SensorByte, LightsWhatItShould) {
    const ByteCase c = GetParam();
    std::string source(kFullSize, '\0');
    source[c.offset] = static_cast<char>(c.value);
    const Result<std::string> bmp = ConvertSensorBytes(source);
    ASSERT_TRUE(bmp.ok()) << bmp.message();
    EXPECT_EQ(IndicesOf(*bmp), OnePixel(c.x, c.y, c.index)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Positions, SensorByte,
    ::testing::Values(ByteCase{"line 0 of the weight-8 plane starts at offset 1", 1, 0x80, 0, 0, 8},
                      ByteCase{"offset 0 is never read", 0, 0xff, -1, 0, 0},
                      ByteCase{"bit 5 is the second pixel kept; weight 2 plane", 160000 + 2 * 100 + 1, 0x20, 1, 1, 2},
                      ByteCase{"bits 6, 4, 2, 0 are dropped", 80000 + 2 * 100 + 1, 0x55, -1, 0, 0},
                      ByteCase{"odd lines are dropped", 80000 + 1 * 100 + 1, 0xff, -1, 0, 0},
                      ByteCase{"weight 4 plane, byte 100 of line 10, bit 1", 80000 + 10 * 100 + 100, 0x02, 399, 5, 4},
                      ByteCase{"the last byte read: weight 1, line 798", 319900, 0x08, 398, 399, 1}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(SensorConversion, WeightEightPlaneAllSetGivesIndexEight) {
    std::string source(kFullSize, '\0');
    source.replace(0, 80000, std::string(80000, '\xff'));
    std::vector<int> lines;
    const Result<std::string> bmp = ConvertSensorBytes(source, [&](int line) { lines.push_back(line); });
    ASSERT_TRUE(bmp.ok()) << bmp.message();
    EXPECT_EQ(bmp->size(), 80118u);
    EXPECT_EQ(IndicesOf(*bmp), OnePixel(-1, 0, 0, 8));
    ASSERT_EQ(lines.size(), 400u);
    EXPECT_EQ(lines[0], 798);
    EXPECT_EQ(lines[1], 796);
    EXPECT_EQ(lines.back(), 0);
}

TEST(SensorConversion, NeedsEveryByteItReads) {
    EXPECT_TRUE(ConvertSensorBytes(std::string(319901, '\0')).ok());
    const Result<std::string> refused = ConvertSensorBytes(std::string(319900, '\0'));
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.message().find("319900バイト"), std::string::npos) << refused.message();
    EXPECT_NE(refused.message().find("319901バイト"), std::string::npos) << refused.message();
}

TEST(SensorConversion, NamesMatchingForg00AnyOneCharacter) {
    for (const char* name : {"forg.003", "FORG.00A", "Forg.00_"}) EXPECT_TRUE(IsSensorFileName(name)) << name;
    for (const char* name : {"forg.00", "forg.0033", "forh.003", "forg.013", "xforg.003", "forg.003.bak"})
        EXPECT_FALSE(IsSensorFileName(name)) << name;
}

TEST(SensorFile, WritesForgBmpReplacingOneInAnotherCase) {
    TempFolder folder("sensor-write");
    std::string source(kFullSize, '\0');
    source[1] = '\x80';
    folder.Write("forg.003", source);
    folder.Write("forg.bmp", "an older picture");

    const Result<std::string> written = ConvertSensorFile(folder.PathOf("forg.003"));
    ASSERT_TRUE(written.ok()) << written.message();
    EXPECT_EQ(*written, folder.PathOf("forg.bmp"));
    EXPECT_EQ(folder.Read("forg.bmp"), *ConvertSensorBytes(source));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"forg.003", "forg.bmp"}));

    folder.Write("FORG.007", source);
    const Result<std::string> second = ConvertSensorFile(folder.PathOf("FORG.007"));
    ASSERT_TRUE(second.ok()) << second.message();
    EXPECT_EQ(*second, folder.PathOf("forg.bmp"));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"FORG.007", "forg.003", "forg.bmp"}));
}

TEST(SensorFile, RefusedSourcesWriteNothing) {
    TempFolder folder("sensor-refused");
    folder.Write("forg.001", std::string(319900, '\0'));
    folder.Write("forg.0011", std::string(kFullSize, '\0'));
    const std::vector<std::string> before = folder.Names();

    const Result<std::string> shortSource = ConvertSensorFile(folder.PathOf("forg.001"));
    ASSERT_FALSE(shortSource.ok());
    EXPECT_EQ(
        shortSource.message(),
        "「forg.001」を変換できませんでした（319900バイトしかありませんが、4つのプレーンを読むには319901バイトが必要"
        "です）。ＢＭＰファイルは作っていません。");

    const Result<std::string> badName = ConvertSensorFile(folder.PathOf("forg.0011"));
    ASSERT_FALSE(badName.ok());
    EXPECT_NE(badName.message().find("「forg.0011」を変換できませんでした"), std::string::npos) << badName.message();

    const Result<std::string> missing = ConvertSensorFile(folder.PathOf("forg.002"));
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.message().find("見つかりません"), std::string::npos) << missing.message();
    EXPECT_EQ(folder.Names(), before);

    // "forg.BMP" a link to the source: converting would replace the source.
    folder.Write("forg.00a", std::string(kFullSize, '\x55'));
    std::filesystem::create_symlink("forg.00a", folder.PathOf("forg.BMP"));
    const Result<std::string> itself = ConvertSensorFile(folder.PathOf("forg.00a"));
    EXPECT_EQ(
        itself.message(),
        "「forg."
        "BMP」を保存できませんでした（変換元のファイルと同じファイルです）。前のファイルはそのまま残っています。");
    EXPECT_EQ(folder.Read("forg.00a"), std::string(kFullSize, '\x55'));
}

}  // namespace
}  // namespace isobra
