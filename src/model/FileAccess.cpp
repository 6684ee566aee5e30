#include "model/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

namespace isobra {

namespace {

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Opens a new file beside `path` that no one else uses; the kernel applies
// the umask to its permissions, as for any new file.
int CreateTemporary(const std::string& path, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

Status SystemFailure(int error) { return Status::Fail(SystemErrorReason(error)); }

}  // namespace

FileSystemCalls FileSystemCalls::System() { return FileSystemCalls{::write, ::fsync, ::rename}; }

std::string SystemErrorReason(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "書き込み権限がありません";
        case ENOSPC:
        case EDQUOT:
            return "ディスクの空きが足りません";
        case ENOENT:
            return "ファイルかフォルダが見つかりません";
        case ENOTDIR:
            return "途中の名前がフォルダではありません";
        case EROFS:
            return "読み取り専用の場所です";
        case EISDIR:
            return "同じ名前のフォルダがあります";
        case ENAMETOOLONG:
            return "名前が長すぎます";
        case EIO:
            return "入出力エラーが起きました";
        case EFBIG:
            return "ファイルが大きすぎます";
        default:
            return std::string("システムのエラー：") + std::strerror(error);
    }
}

Status SaveFileAtomically(const std::string& path, std::string_view bytes, const FileSystemCalls& calls) {
    if (path.empty()) return SystemFailure(ENOENT);
    std::string tempPath;
    const int fd = CreateTemporary(path, tempPath);
    if (fd < 0) return SystemFailure(errno);
    auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(tempPath.c_str());
        return SystemFailure(error);
    };

    struct stat old {};
    if (::stat(path.c_str(), &old) == 0) {
        if (S_ISDIR(old.st_mode)) return abandon(EISDIR);
        ::fchmod(fd, old.st_mode & 07777);
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = calls.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return abandon(n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    if (calls.fsync(fd) != 0) return abandon(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(tempPath.c_str());
        return SystemFailure(error);
    }
    if (calls.rename(tempPath.c_str(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(tempPath.c_str());
        return SystemFailure(error);
    }
    // Make the rename itself durable; a failure here no longer loses data.
    const int dir = ::open(DirectoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

Result<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return Result<std::string>::Fail(errno == EACCES ? "読みこむ権限がありません" : SystemErrorReason(errno));
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        return Result<std::string>::Fail("ファイルではなくフォルダです");
    }
    std::string bytes;
    // Room for the whole file at once: growing a large string chunk by chunk
    // costs far more than the reading.
    if (info.st_size > 0) bytes.reserve(std::min(static_cast<std::size_t>(info.st_size), maxBytes) + 1);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return Result<std::string>::Fail(SystemErrorReason(error));
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        if (bytes.size() > maxBytes) {
            ::close(fd);
            return Result<std::string>::Fail("ファイルが大きすぎます（このプログラムのファイルではないようです）");
        }
    }
    ::close(fd);
    return bytes;
}

std::string SaveFailureText(const std::string& name, const std::string& reason) {
    return "「" + name + "」を保存できませんでした（" + reason + "）。前のファイルはそのまま残っています。";
}

std::string ReadFailureText(const std::string& name, const std::string& reason) {
    return "「" + name + "」を読みこめませんでした（" + reason + "）。データは読みこむ前のままです。";
}

std::string ReadFailureText(const std::string& name, const Failure& failure) {
    return "「" + name + "」を読みこめませんでした。" + failure.message + "データは読みこむ前のままです。";
}

}  // namespace isobra
