#include "model/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "model/LeftoverFiles.h"

namespace isobra {

namespace {

// Six characters that differ between calls, threads and processes.
std::string RandomTag() {
    static std::atomic<std::uint64_t> counter{0};
    std::uint64_t x = counter.fetch_add(1) * 0x9E3779B97F4A7C15ULL;
    x ^= static_cast<std::uint64_t>(::getpid()) << 32;
    x ^= static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    x ^= x >> 29;
    x *= 0xBF58476D1CE4E5B9ULL;
    x ^= x >> 32;
    static constexpr char kChars[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string tag;
    for (int i = 0; i < 6; ++i, x /= 36) tag += kChars[x % 36];
    return tag;
}

// Opens a new file in the folder of `path` that no one else uses. Its name
// says which process made it and is short whatever the target's
// ("…/.isobra-4242-1234567-k3x9-q2w8e4"), so a target near the file system's
// name limit can still be saved. The kernel applies the umask to its
// permissions, as for any new file.
int CreateTemporary(const std::string& path, std::string& tempPath) {
    const std::string folder = DirectoryOf(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = (folder == "/" ? std::string() : folder) + "/" + TemporaryFilePrefix() + RandomTag();
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

Status SystemFailure(int error) { return Status::Fail(SystemErrorReason(error)); }

}  // namespace

std::string DirectoryOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string SaveTargetOf(const std::string& path) {
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat link {};
        if (::lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return target;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(target.c_str(), buffer, sizeof buffer - 1);
        if (n <= 0) return target;
        const std::string points(buffer, static_cast<std::size_t>(n));
        target = points.front() == '/' ? points : DirectoryOf(target) + "/" + points;
    }
    return target;
}

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

Result<StagedFile> StagedFile::Stage(const std::string& path, std::string_view bytes, const FileSystemCalls& calls,
                                     Durability durability) {
    if (path.empty()) return SystemFailure(ENOENT).failure();
    StagedFile staged;
    staged.target_ = SaveTargetOf(path);
    staged.calls_ = calls;
    staged.durability_ = durability;

    // Only a regular file is ever replaced: renaming over a device, a pipe or
    // a folder would put a file where they stood.
    struct stat old {};
    const bool exists = ::stat(staged.target_.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode)) return SystemFailure(EISDIR).failure();
    if (exists && !S_ISREG(old.st_mode)) return Failure{0, std::string(kNotARegularFile)};

    RemoveLeftovers(DirectoryOf(staged.target_));
    const int fd = CreateTemporary(staged.target_, staged.temp_);
    if (fd < 0) return SystemFailure(errno).failure();
    auto abandon = [&](int error) {
        ::close(fd);
        return SystemFailure(error).failure();  // the destructor removes the temporary file
    };
    if (exists) ::fchmod(fd, old.st_mode & 07777);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = calls.write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return abandon(n < 0 ? errno : EIO);
        done += static_cast<std::size_t>(n);
    }
    if (durability == Durability::Flushed && calls.fsync(fd) != 0) return abandon(errno);
    if (::close(fd) != 0) return SystemFailure(errno).failure();
    return staged;
}

StagedFile::StagedFile(StagedFile&& other) noexcept
    : target_(std::move(other.target_)),
      temp_(std::exchange(other.temp_, {})),
      calls_(other.calls_),
      durability_(other.durability_) {}

StagedFile& StagedFile::operator=(StagedFile&& other) noexcept {
    if (this != &other) {
        Discard();
        target_ = std::move(other.target_);
        temp_ = std::exchange(other.temp_, {});
        calls_ = other.calls_;
        durability_ = other.durability_;
    }
    return *this;
}

StagedFile::~StagedFile() { Discard(); }

void StagedFile::Discard() {
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

Status StagedFile::Commit() {
    if (temp_.empty()) return SystemFailure(ENOENT);
    if (calls_.rename(temp_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        Discard();
        return SystemFailure(error);
    }
    temp_.clear();
    if (durability_ == Durability::Unflushed) return {};
    // Make the rename itself durable; a failure here no longer loses data.
    const int dir = ::open(DirectoryOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        calls_.fsync(dir);
        ::close(dir);
    }
    return {};
}

Status SaveFileAtomically(const std::string& path, std::string_view bytes, const FileSystemCalls& calls,
                          StagedFile::Durability durability) {
    Result<StagedFile> staged = StagedFile::Stage(path, bytes, calls, durability);
    if (!staged) return staged.failure();
    return staged->Commit();
}

Result<int> OpenForReading(const std::string& path, std::uint64_t& size) {
    // Opened without waiting, so that a pipe with no writer cannot hold the
    // program; anything but a regular file is then refused unread.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return Result<int>::Fail(errno == EACCES ? "読みこむ権限がありません" : SystemErrorReason(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const bool folder = S_ISDIR(info.st_mode);
        ::close(fd);
        return Result<int>::Fail(folder ? "ファイルではなくフォルダです" : std::string(kNotARegularFile));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    size = static_cast<std::uint64_t>(info.st_size);
    return fd;
}

Result<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    std::uint64_t size = 0;
    const Result<int> opened = OpenForReading(path, size);
    if (!opened) return opened.failure();
    const int fd = *opened;
    // Refused before a byte is read: reading a file of hundreds of megabytes
    // only to refuse it would cost seconds and as much memory.
    if (size > maxBytes) {
        ::close(fd);
        return Result<std::string>::Fail(std::string(kTooLargeToRead));
    }
    // Read straight into room for the whole file (and a byte more, to see
    // whether it grew): growing a large string chunk by chunk, or copying
    // through a buffer, costs more than the reading.
    std::string bytes(static_cast<std::size_t>(size) + 1, '\0');
    std::size_t done = 0;
    for (;;) {
        if (done == bytes.size()) {
            if (done > maxBytes) {  // it grew while it was read
                ::close(fd);
                return Result<std::string>::Fail(std::string(kTooLargeToRead));
            }
            bytes.resize(done + std::min(done, maxBytes - done + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int error = errno;
            ::close(fd);
            return Result<std::string>::Fail(SystemErrorReason(error));
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(done);
    return bytes;
}

std::string FileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool SameNameCaseBlind(std::string_view a, std::string_view b) {
    auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return fold(x) == fold(y); });
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
