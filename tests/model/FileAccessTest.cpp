#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "model/FileAccess.h"
#include "model/SavePath.h"
#include "support/TempFolder.h"

namespace isobra {
namespace {

namespace fs = std::filesystem;

class FileAccessTest : public ::testing::Test {
protected:
    std::string PathOf(const std::string& name) const { return folder_.PathOf(name); }
    static std::string Contents(const std::string& path) { return test::FileBytes(path); }
    int FileCount() const { return static_cast<int>(folder_.Names().size()); }

    test::TempFolder folder_{"files"};
};

// Writes half of what it is asked for, then finds the disk full.
ssize_t HalfThenDiskFull(int fd, const void* data, std::size_t size) {
    static bool wroteHalf = false;
    if (!wroteHalf && size > 1) {
        wroteHalf = true;
        return ::write(fd, data, size / 2);
    }
    wroteHalf = false;
    errno = ENOSPC;
    return -1;
}

int RenameFails(const char*, const char*) {
    errno = EACCES;
    return -1;
}

TEST_F(FileAccessTest, SaveReplacesTheFileAndKeepsItsPermissions) {
    const std::string path = PathOf("obs.DAT");
    ASSERT_TRUE(SaveFileAtomically(path, "old").ok());
    ::chmod(path.c_str(), 0640);
    const Status saved = SaveFileAtomically(path, std::string("new\r\n\0bytes", 11));
    EXPECT_TRUE(saved.ok()) << saved.message();
    EXPECT_EQ(Contents(path), std::string("new\r\n\0bytes", 11));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(FileCount(), 1);
}

TEST_F(FileAccessTest, AFailedSaveLeavesTheOldFileAndNoLeftovers) {
    const std::string path = PathOf("map.CNT");
    ASSERT_TRUE(SaveFileAtomically(path, "the old map").ok());

    FileSystemCalls full = FileSystemCalls::System();
    full.write = HalfThenDiskFull;
    Status result = SaveFileAtomically(path, std::string(10000, 'x'), full);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.message(), "ディスクの空きが足りません");
    EXPECT_EQ(Contents(path), "the old map");
    EXPECT_EQ(FileCount(), 1);

    FileSystemCalls noRename = FileSystemCalls::System();
    noRename.rename = RenameFails;
    result = SaveFileAtomically(path, "new", noRename);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.message(), "書き込み権限がありません");
    EXPECT_EQ(Contents(path), "the old map");
    EXPECT_EQ(FileCount(), 1);

    result = SaveFileAtomically(PathOf("missing/obs.DAT"), "x");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.message(), "ファイルかフォルダが見つかりません");

    fs::create_directory(PathOf("folder.DAT"));
    result = SaveFileAtomically(PathOf("folder.DAT"), "x");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.message(), "同じ名前のフォルダがあります");
    EXPECT_EQ(FileCount(), 2);

    EXPECT_EQ(
        SaveFailureText("map.CNT", result.message()),
        "「map.CNT」を保存できませんでした（同じ名前のフォルダがあります）。前のファイルはそのまま残っています。");
}

TEST_F(FileAccessTest, ReadingWholeFiles) {
    const std::string path = PathOf("obs.dat");
    ASSERT_TRUE(SaveFileAtomically(path, "abc").ok());
    Result<std::string> read = ReadWholeFile(path);
    EXPECT_TRUE(read.ok());
    EXPECT_EQ(read.value(), "abc");

    read = ReadWholeFile(path, 2);
    EXPECT_FALSE(read.ok());
    read = ReadWholeFile(PathOf("none.dat"));
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(
        ReadFailureText("none.dat", read.message()),
        "「none.dat」を読みこめませんでした（ファイルかフォルダが見つかりません）。データは読みこむ前のままです。");
    EXPECT_FALSE(ReadWholeFile(folder_.path().string()).ok());
    EXPECT_EQ(ReadFailureText("a.dat", Failure{3, "3行目の気圧が大きすぎます。"}),
              "「a.dat」を読みこめませんでした。3行目の気圧が大きすぎます。データは読みこむ前のままです。");
}

TEST(SavePathWithExtension, CutsTheFileNameAtItsFirstDot) {
    EXPECT_EQ(SavePathWithExtension("test", kObservationExtension), "test.DAT");
    EXPECT_EQ(SavePathWithExtension("test.dat", kObservationExtension), "test.DAT");
    EXPECT_EQ(SavePathWithExtension("a.b.c", kObservationExtension), "a.DAT");
    EXPECT_EQ(SavePathWithExtension("/home/user/map.txt", kIsobarExtension), "/home/user/map.CNT");
    EXPECT_EQ(SavePathWithExtension("/home/my.maps/map", kIsobarExtension), "/home/my.maps/map.CNT");
    EXPECT_EQ(SavePathWithExtension("../maps/winter", kIsobarExtension), "../maps/winter.CNT");
    EXPECT_EQ(SavePathWithExtension(".hidden", kObservationExtension), std::nullopt);
    EXPECT_EQ(SavePathWithExtension("/home/user/.dat", kObservationExtension), std::nullopt);
    EXPECT_EQ(SavePathWithExtension("/home/user/", kObservationExtension), std::nullopt);
    EXPECT_EQ(SavePathWithExtension("", kObservationExtension), std::nullopt);
}

}  // namespace
TEST_F(FileAccessTest, PipesDevicesAndFoldersAreNeitherReadNorReplaced) {
    const std::string fifo = PathOf("obs.dat");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const Result<std::string> read = ReadWholeFile(fifo);  // a pipe without a writer must not block
    EXPECT_FALSE(read.ok());
    EXPECT_EQ(read.message(), kNotARegularFile);
    const Status saved = SaveFileAtomically(fifo, "x");
    EXPECT_FALSE(saved.ok());
    EXPECT_EQ(saved.message(), kNotARegularFile);
    EXPECT_EQ(ReadWholeFile("/dev/null").message(), kNotARegularFile);
    EXPECT_EQ(FileCount(), 1);  // no temporary file left beside the pipe
}

TEST_F(FileAccessTest, ASaveThroughALinkWritesTheFileItPointsTo) {
    fs::create_directory(PathOf("real"));
    ASSERT_TRUE(SaveFileAtomically(PathOf("real/obs.DAT"), "old").ok());
    fs::create_symlink("real/obs.DAT", PathOf("link.DAT"));
    ASSERT_TRUE(SaveFileAtomically(PathOf("link.DAT"), "new").ok());
    EXPECT_TRUE(fs::is_symlink(PathOf("link.DAT")));
    EXPECT_EQ(Contents(PathOf("real/obs.DAT")), "new");
}

TEST_F(FileAccessTest, StagedFilesAreAllOrNothingAndTemporaryNamesStayShort) {
    // A name of 250 bytes still leaves room for the temporary one.
    const std::string longName = PathOf(std::string(246, 'a') + ".png");
    EXPECT_TRUE(SaveFileAtomically(longName, "png").ok());

    ASSERT_TRUE(SaveFileAtomically(PathOf("a.CNT"), "old a").ok());
    {
        Result<StagedFile> a = StagedFile::Stage(PathOf("a.CNT"), "new a");
        ASSERT_TRUE(a.ok());
        const Result<StagedFile> b = StagedFile::Stage(PathOf("missing/b.png"), "b");
        EXPECT_FALSE(b.ok());
        // b failed, so a is never committed: dropping it removes its temporary file.
    }
    EXPECT_EQ(Contents(PathOf("a.CNT")), "old a");
    EXPECT_EQ(FileCount(), 2);
}

}  // namespace isobra
