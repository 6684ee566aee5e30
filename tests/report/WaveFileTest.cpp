#include <gtest/gtest.h>

#include <string>

#include "report/WaveFile.h"

namespace isobra {
namespace {

TEST(WaveFile, RiffHeaderThenLittleEndianSamples) {
    const Result<std::string> wav = WaveFileBytes({1, -2, 0x1234}, 22050);
    ASSERT_TRUE(wav);
    const std::string expected(
        "RIFF\x2a\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x22\x56\0\0\x44\xac\0\0\x02\0\x10\0data\x06\0\0\0"
        "\x01\0\xfe\xff\x34\x12",
        50);
    EXPECT_EQ(*wav, expected);
}

}  // namespace
}  // namespace isobra
