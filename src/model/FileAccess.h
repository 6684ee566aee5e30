#pragma once

#include <sys/types.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/Result.h"

namespace isobra {

// The system calls a save goes through. Tests hand in ones that fail
// half-way, to check that the old file survives.
struct FileSystemCalls {
    ssize_t (*write)(int fd, const void* data, std::size_t size);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
    static FileSystemCalls System();
};

// Writes the bytes to a new temporary file beside `path`, flushes it to the
// disk and renames it over `path`. On any failure the temporary file is
// removed and whatever stood at `path` before is left untouched. An
// existing file's permissions are kept. A failure's message is the
// Japanese reason phrase for SaveFailureText.
Status SaveFileAtomically(const std::string& path, std::string_view bytes,
                               const FileSystemCalls& calls = FileSystemCalls::System());

// Reads a whole file. Files larger than `maxBytes` are refused: neither
// file of this program comes near 1 MiB. A failure's message is a reason
// phrase for ReadFailureText.
Result<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes = 1 << 20);

// The user's texts, `name` being the file name to show:
// "「obs.DAT」を保存できませんでした（書き込み権限がありません）。前のファイルはそのまま残っています。"
// "「obs.dat」を読みこめませんでした（ファイルかフォルダが見つかりません）。データは読みこむ前のままです。"
// "「obs.dat」を読みこめませんでした。12行目の…。データは読みこむ前のままです。"
std::string SaveFailureText(const std::string& name, const std::string& reason);
std::string ReadFailureText(const std::string& name, const std::string& reason);
std::string ReadFailureText(const std::string& name, const Failure& failure);

// A Japanese reason for an errno value.
std::string SystemErrorReason(int error);

}  // namespace isobra
