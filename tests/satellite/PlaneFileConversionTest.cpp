#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "SatelliteTestSupport.h"
#include "satellite/ConvertedImage.h"
#include "satellite/PlaneFileConversion.h"

namespace isobra {
namespace {

using testing::IndicesOf;
using testing::OnePixel;
using testing::TempFolder;

enum Plane { B1, R1, G1, E1 };
using Planes = std::array<std::string, 4>;

Planes Filled(char fill) {
    return {std::string(32000, fill), std::string(32000, fill), std::string(32000, fill), std::string(32000, fill)};
}

Result<std::string> Convert(const Planes& p, const ConversionProgress& progress = {}) {
    return ConvertPlaneBytes(p[B1], p[R1], p[G1], p[E1], progress);
}

TEST(PlaneConversion, AllClearAndAllSetPlanes) {
    const Result<std::string> black = Convert(Filled('\0'));
    ASSERT_TRUE(black.ok()) << black.message();
    EXPECT_EQ(black->size(), 80118u);
    EXPECT_EQ(IndicesOf(*black), OnePixel(-1, 0, 0, 0));

    const Result<std::string> white = Convert(Filled('\xff'));
    ASSERT_TRUE(white.ok()) << white.message();
    EXPECT_EQ(IndicesOf(*white), OnePixel(-1, 0, 0, 15));
    EXPECT_EQ(white->substr(0, 118), ConvertedImageHeader());
}

// One bit set in one plane lights one pixel with that plane's weight.
struct BitCase {
    const char* what;
    Plane plane;
    int line, byte;  // byte 1..80 of the line
    unsigned char value;
    int x, y, index;
};

void PrintTo(const BitCase& c, std::ostream* out) { *out << c.what; }

class PlaneBit : public ::testing::TestWithParam<BitCase> {};

TEST_P(PlaneBit, LightsOnePixel) {
    const BitCase c = GetParam();
    Planes planes = Filled('\0');
    planes[c.plane][static_cast<std::size_t>(c.line) * 80 + c.byte - 1] = static_cast<char>(c.value);
    const Result<std::string> bmp = Convert(planes);
    ASSERT_TRUE(bmp.ok()) << bmp.message();
    EXPECT_EQ(IndicesOf(*bmp), OnePixel(c.x, c.y, c.index)) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Weights, PlaneBit,
                         ::testing::Values(BitCase{"top left, most significant bit of B1", B1, 0, 1, 0x80, 0, 0, 1},
                                           BitCase{"R1 weighs 2", R1, 10, 3, 0x01, 23, 10, 2},
                                           BitCase{"G1 weighs 4", G1, 200, 26, 0x10, 203, 200, 4},
                                           BitCase{"E1 weighs 8", E1, 7, 2, 0x40, 9, 7, 8},
                                           BitCase{"bottom right is byte 50 of line 399", B1, 399, 50, 0x01, 399, 399,
                                                   1},
                                           BitCase{"byte 51 lies outside the picture", E1, 5, 51, 0x80, -1, 0, 0}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(PlaneConversion, TopLeftPixelIsTheHighNibbleOfTheLastRowsFirstByte) {
    Planes planes = Filled('\0');
    planes[B1][0] = '\x80';
    const Result<std::string> bmp = Convert(planes);
    ASSERT_TRUE(bmp.ok());
    EXPECT_EQ(static_cast<unsigned char>((*bmp)[118 + 399 * 200]), 0x10);
}

TEST(PlaneConversion, CountsDownTheLinesAndRefusesAShortPlane) {
    std::vector<int> lines;
    ASSERT_TRUE(Convert(Filled('\0'), [&](int line) { lines.push_back(line); }).ok());
    ASSERT_EQ(lines.size(), 400u);
    EXPECT_EQ(lines.front(), 399);
    EXPECT_EQ(lines.back(), 0);
    EXPECT_EQ(ConversionProgressCaption(lines.front()), "あと399 ラインです");

    Planes planes = Filled('\0');
    planes[G1].resize(31999);
    const Result<std::string> refused = Convert(planes);
    ASSERT_FALSE(refused.ok());
    EXPECT_NE(refused.message().find("G1"), std::string::npos) << refused.message();
}

// Files ------------------------------------------------------------------

void WritePlanes(const TempFolder& folder, const std::array<std::string, 4>& names, const Planes& planes) {
    for (std::size_t p = 0; p < 4; ++p) folder.Write(names[p], planes[p]);
}

TEST(PlaneFile, WritesTheBmpBesideTheSourceAndFindsPlanesInAnyCase) {
    TempFolder folder("planes-case");
    Planes planes = Filled('\0');
    planes[E1][0] = '\x80';
    WritePlanes(folder, {"sat.b1", "SAT.R1", "Sat.g1", "sat.E1"}, planes);

    std::vector<int> lines;
    const Result<std::string> written = ConvertPlaneFile(folder.PathOf("sat.b1"), [&](int l) { lines.push_back(l); });
    ASSERT_TRUE(written.ok()) << written.message();
    EXPECT_EQ(*written, folder.PathOf("sat.BMP"));
    EXPECT_EQ(folder.Read("sat.BMP"), *Convert(planes));
    EXPECT_EQ(testing::IndexAt(folder.Read("sat.BMP"), 0, 0), 8);
    EXPECT_EQ(lines.size(), 400u);
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"SAT.R1", "Sat.g1", "sat.BMP", "sat.E1", "sat.b1"}));
}

TEST(PlaneFile, ReplacesAnImageWhoseNameDiffersOnlyInCase) {
    TempFolder folder("planes-replace");
    WritePlanes(folder, {"NAME.B1", "NAME.R1", "NAME.G1", "NAME.E1"}, Filled('\xff'));
    folder.Write("NAME.bmp", "an older picture");

    const Result<std::string> written = ConvertPlaneFile(folder.PathOf("NAME.B1"));
    ASSERT_TRUE(written.ok()) << written.message();
    EXPECT_EQ(*written, folder.PathOf("NAME.bmp"));
    EXPECT_EQ(folder.Read("NAME.bmp"), *Convert(Filled('\xff')));
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"NAME.B1", "NAME.E1", "NAME.G1", "NAME.R1", "NAME.bmp"}));
}

struct RefusedCase {
    const char* what;
    std::vector<std::string> files;  // planes written full size
    std::string shortFile;           // written one byte short of 400 lines
    std::string chosen;
    std::vector<std::string> expectedInMessage;
};

void PrintTo(const RefusedCase& c, std::ostream* out) { *out << c.what; }

class PlaneFileRefused : public ::testing::TestWithParam<RefusedCase> {};

// Refused inputs leave the folder as it was: no image, no temporary file,
// an older image untouched.
TEST_P(PlaneFileRefused, WritesNothing) {
    const RefusedCase c = GetParam();
    TempFolder folder("planes-refused");
    for (const std::string& name : c.files) folder.Write(name, std::string(32000, '\x55'));
    if (!c.shortFile.empty()) folder.Write(c.shortFile, std::string(31999, '\x55'));
    folder.Write("other.BMP", "an older picture");
    const std::vector<std::string> before = folder.Names();

    const Result<std::string> result = ConvertPlaneFile(folder.PathOf(c.chosen));
    ASSERT_FALSE(result.ok()) << c.what;
    for (const std::string& part : c.expectedInMessage)
        EXPECT_NE(result.message().find(part), std::string::npos) << c.what << ": " << result.message();
    EXPECT_EQ(folder.Names(), before) << c.what;
    EXPECT_EQ(folder.Read("other.BMP"), "an older picture");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PlaneFileRefused,
    ::testing::Values(
        RefusedCase{
            "missing R1",
            {"other.b1", "other.g1", "other.e1"},
            "",
            "other.b1",
            {"「other.b1」を変換できませんでした", "「other.r1」が見つかりません", "ＢＭＰファイルは作っていません"}},
        RefusedCase{"short G1",
                    {"other.B1", "other.R1", "other.E1"},
                    "OTHER.G1",
                    "other.B1",
                    {"「other.B1」", "「OTHER.G1」が短すぎます", "31999バイト", "32000バイト"}},
        RefusedCase{
            "short B1", {"other.R1", "other.G1", "other.E1"}, "other.B1", "other.B1", {"「other.B1」が短すぎます"}},
        RefusedCase{"not a B1 plane",
                    {"other.B2", "other.R2", "other.G2", "other.E2"},
                    "",
                    "other.B2",
                    {"「other.B2」", "「B1」"}},
        RefusedCase{"chosen file gone",
                    {"other.R1", "other.G1", "other.E1"},
                    "",
                    "other.B1",
                    {"「other.B1」を読みこめません：ファイルかフォルダが見つかりません"}}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(PlaneFile, AFolderInTheWayOfTheImageIsReportedAndNothingIsLeft) {
    TempFolder folder("planes-folder");
    WritePlanes(folder, {"x.B1", "x.R1", "x.G1", "x.E1"}, Filled('\0'));
    std::filesystem::create_directory(folder.PathOf("x.bmp"));
    const std::vector<std::string> before = folder.Names();

    const Result<std::string> result = ConvertPlaneFile(folder.PathOf("x.B1"));
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.message(),
              "「x.bmp」を保存できませんでした（同じ名前のフォルダがあります）。前のファイルはそのまま残っています。");
    EXPECT_EQ(folder.Names(), before);
}

}  // namespace
}  // namespace isobra
