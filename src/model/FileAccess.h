#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/Result.h"

namespace isobra {

// The system calls a save goes through. Tests hand in ones that fail
// half-way, to check that the old file survives. `fsync` flushes both the
// file before its rename and the folder after it.
struct FileSystemCalls {
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
    static FileSystemCalls System();
};

// The reason given for a pipe, a device or anything else that is neither a
// regular file nor a folder, when it is to be read or replaced.
inline constexpr std::string_view kNotARegularFile = "普通のファイルではありません（パイプや装置などは使えません）";

// A file written under a short temporary name in the folder of its target
// (named after the process, see LeftoverFiles.h; what ended processes left
// in that folder is cleared first) and flushed to the disk, but not yet in
// place. Commit() renames it over the
// target; dropped without Commit(), it removes its temporary file. Staging
// every file of a save before committing any makes the save all or nothing:
// a failure while writing leaves every old file as it was.
//
// Saving through a symbolic link writes the file it points to. A target that
// exists but is not a regular file (a folder, a device, a pipe) is refused.
// An existing file's permissions are kept. Failure messages are Japanese
// reason phrases for SaveFailureText.
class StagedFile {
public:
    // Flushed: the file and the rename reach the disk before the save counts
    // as done. Unflushed: only for files that can be made again from their
    // sources (a converted picture); still never half-written in place.
    enum class Durability { Flushed, Unflushed };

    static Result<StagedFile> Stage(const std::string& path, std::string_view bytes,
                                    const FileSystemCalls& calls = FileSystemCalls::System(),
                                    Durability durability = Durability::Flushed);
    StagedFile(StagedFile&& other) noexcept;
    StagedFile& operator=(StagedFile&& other) noexcept;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile();

    Status Commit();
    // The file that Commit() replaces (a link's target for a link).
    const std::string& target() const { return target_; }
    // The temporary file; empty once committed or discarded.
    const std::string& temp() const { return temp_; }

private:
    StagedFile() = default;
    void Discard();

    std::string target_;
    std::string temp_;  // empty once committed or discarded
    FileSystemCalls calls_{};
    Durability durability_ = Durability::Flushed;
};

// Stage and commit one file.
Status SaveFileAtomically(const std::string& path, std::string_view bytes,
                          const FileSystemCalls& calls = FileSystemCalls::System(),
                          StagedFile::Durability durability = StagedFile::Durability::Flushed);

// The largest observation or isobar file the readers take: neither comes
// near it. A writer whose text would be larger fails with
// kTooLargeToReadBack rather than write a file it could not read back.
inline constexpr std::size_t kLargestDataFile = std::size_t{1} << 20;
inline constexpr std::string_view kTooLargeToRead =
    "ファイルが大きすぎます（このプログラムのファイルではないようです）";
inline constexpr std::string_view kTooLargeToReadBack =
    "ファイルが大きくなりすぎて読みこめなくなります（長すぎる名前がないか確かめてください）";

// Opens a regular file for reading and gives its size in `size`. Pipes,
// devices and folders are refused without waiting for them. The caller
// closes what it gets. A failure's message is a reason phrase.
Result<int> OpenForReading(const std::string& path, std::uint64_t& size);

// Reads a whole file. Files larger than `maxBytes` are refused unread, with
// kTooLargeToRead. Pipes, devices and folders are refused without waiting
// for them. A failure's message is a reason phrase for ReadFailureText.
Result<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes = kLargestDataFile);

// The user's texts, `name` being the file name to show:
// "「obs.DAT」を保存できませんでした（書き込み権限がありません）。前のファイルはそのまま残っています。"
// "「obs.dat」を読みこめませんでした（ファイルかフォルダが見つかりません）。データは読みこむ前のままです。"
// "「obs.dat」を読みこめませんでした。12行目の…。データは読みこむ前のままです。"
std::string SaveFailureText(const std::string& name, const std::string& reason);
std::string ReadFailureText(const std::string& name, const std::string& reason);
std::string ReadFailureText(const std::string& name, const Failure& failure);

// The last component of a path ("dir/name.B1" gives "name.B1").
std::string FileNameOf(std::string_view path);
// The folder part of a path ("dir/name.B1" gives "dir", "name.B1" ".").
std::string DirectoryOf(const std::string& path);

// Where a save to `path` really writes: through a symbolic link (a chain of
// them too) to the file it points to, as editors do, so the link stays a
// link. A dangling link gives the path it points to.
std::string SaveTargetOf(const std::string& path);

// Whether two names are the same when ASCII letters are compared without
// regard to case (other bytes, Japanese included, must match exactly).
bool SameNameCaseBlind(std::string_view a, std::string_view b);

// A Japanese reason for an errno value.
std::string SystemErrorReason(int error);

}  // namespace isobra
