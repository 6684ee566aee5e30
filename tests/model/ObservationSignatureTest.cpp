#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "model/ObservationSignature.h"

namespace isobra {
namespace {

// The title line decides, whatever the name; a pipe is not even waited on.
TEST(ObservationSignature, KnownByTheTitleLine) {
    const std::string folder = ::testing::TempDir();
    auto write = [&](const char* name, const std::string& bytes) {
        const std::string path = folder + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    };
    struct Case {
        std::string path;
        bool observations;
    };
    const std::string fifo = folder + "observations-fifo";
    ::unlink(fifo.c_str());
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const Case cases[] = {
        {std::string(ISOBRA_TEST_DATA) + "/../../examples/winter.dat", true},
        {write("report", "\x8a\x65\x92\x6e\x82\xcc\x93\x56\x8b\x43, 54 \r\n"), true},
        {write("no-comma.dat", "\x8a\x65\x92\x6e\x82\xcc\x93\x56\x8b\x43 54\r\n"), false},
        {write("utf8.dat", "各地の天気, 54 \r\n"), false},
        {write("short.dat", "\x8a\x65\x92\x6e"), false},
        {std::string(ISOBRA_TEST_DATA) + "/winter-isobars.cnt", false},
        {folder + "missing.dat", false},
        {fifo, false},
    };
    for (const Case& c : cases) EXPECT_EQ(StartsLikeObservationFile(c.path), c.observations) << c.path;
    ::unlink(fifo.c_str());
}

}  // namespace
}  // namespace isobra
