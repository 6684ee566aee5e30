#include "model/LeftoverFiles.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <map>
#include <mutex>
#include <vector>

#include "model/RenameNote.h"

namespace isobra {

namespace {

constexpr std::string_view kPrefix = ".isobra-";
constexpr auto kLookAgainAfter = std::chrono::minutes(1);
constexpr std::time_t kUnownedAge = 24 * 60 * 60;

bool IsNameLetter(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); }

// The whole of `text` as a number, nothing when it is not one.
std::optional<unsigned long long> Number(std::string_view text) {
    if (text.empty() || text.size() > 19) return std::nullopt;
    unsigned long long n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        n = n * 10 + static_cast<unsigned long long>(c - '0');
    }
    return n;
}

// When the process started, in clock ticks since the machine booted: the
// 22nd field of /proc/PID/stat, counted after the program's name in
// brackets (which may hold spaces and brackets itself).
std::optional<unsigned long long> StartOf(const std::string& statPath) {
    const int fd = ::open(statPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    char buffer[1024];
    const ssize_t n = ::read(fd, buffer, sizeof buffer - 1);
    ::close(fd);
    if (n <= 0) return std::nullopt;
    const std::string_view stat(buffer, static_cast<std::size_t>(n));
    std::size_t at = stat.rfind(')');
    if (at == std::string_view::npos) return std::nullopt;
    for (int field = 2; field < 22; ++field) {
        at = stat.find(' ', at + 1);
        if (at == std::string_view::npos) return std::nullopt;
    }
    const std::size_t end = stat.find(' ', at + 1);
    return Number(stat.substr(at + 1, end == std::string_view::npos ? std::string_view::npos : end - at - 1));
}

// Four letters of the machine's name, so that a folder shared between
// machines is not cleared by the wrong one.
const std::string& HostTag() {
    static const std::string tag = [] {
        char name[256] = {};
        ::gethostname(name, sizeof name - 1);
        std::uint32_t hash = 2166136261u;
        for (const char* c = name; *c; ++c) hash = (hash ^ static_cast<unsigned char>(*c)) * 16777619u;
        std::string out;
        for (int i = 0; i < 4; ++i, hash /= 36) out += "0123456789abcdefghijklmnopqrstuvwxyz"[hash % 36];
        return out;
    }();
    return tag;
}

// The "-XXXXXX" names of versions that did not name the process.
bool IsUnowned(std::string_view name) {
    if (name.size() != kPrefix.size() + 6 || name.substr(0, kPrefix.size()) != kPrefix) return false;
    for (char c : name.substr(kPrefix.size()))
        if (!IsNameLetter(c)) return false;
    return true;
}

// Whether this process looked through the folder less than a minute ago;
// if not, it counts as looked through now.
bool LookedThroughLately(const std::string& folder) {
    static std::mutex mutex;
    static std::map<std::string, std::chrono::steady_clock::time_point> looked;
    const auto now = std::chrono::steady_clock::now();
    const std::lock_guard lock(mutex);
    const auto [it, first] = looked.try_emplace(folder, now);
    if (!first && now - it->second < kLookAgainAfter) return true;
    it->second = now;
    return false;
}

}  // namespace

std::string TemporaryFilePrefix() {
    // Worked out again in a forked child, whose id is another.
    static std::mutex mutex;
    static pid_t pid = 0;
    static std::string prefix;
    const std::lock_guard lock(mutex);
    if (pid != ::getpid()) {
        pid = ::getpid();
        prefix = std::string(kPrefix) + std::to_string(pid) + "-" +
                 std::to_string(StartOf("/proc/self/stat").value_or(0)) + "-" + HostTag() + "-";
    }
    return prefix;
}

std::optional<FileOwner> OwnerOfName(std::string_view name) {
    if (name.substr(0, kPrefix.size()) != kPrefix) return std::nullopt;
    std::string_view rest = name.substr(kPrefix.size());
    if (const std::size_t dot = rest.find('.'); dot != std::string_view::npos) {
        if (rest.substr(dot) != kRenameNoteEnding) return std::nullopt;
        rest = rest.substr(0, dot);
    }
    std::vector<std::string_view> parts;
    for (std::size_t from = 0;;) {
        const std::size_t dash = rest.find('-', from);
        parts.push_back(rest.substr(from, dash == std::string_view::npos ? std::string_view::npos : dash - from));
        if (dash == std::string_view::npos) break;
        from = dash + 1;
    }
    if (parts.size() != 4 || parts[2].size() != 4 || parts[3].size() != 6) return std::nullopt;
    for (std::string_view letters : {parts[2], parts[3]})
        for (char c : letters)
            if (!IsNameLetter(c)) return std::nullopt;
    const auto pid = Number(parts[0]);
    const auto start = Number(parts[1]);
    if (!pid || !start || *pid == 0 || *pid > 0x3fffffff) return std::nullopt;
    return FileOwner{static_cast<pid_t>(*pid), *start, std::string(parts[2])};
}

bool HasEnded(const FileOwner& owner) {
    if (owner.host != HostTag() || owner.pid <= 0) return false;
    if (::kill(owner.pid, 0) != 0 && errno == ESRCH) return true;
    const auto start = StartOf("/proc/" + std::to_string(owner.pid) + "/stat");
    return start && *start != owner.start;
}

void RemoveLeftovers(const std::string& folder) {
    if (LookedThroughLately(folder)) return;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    std::vector<std::string> notes, files;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name.substr(0, kPrefix.size()) != kPrefix) continue;
        const std::string path = folder + "/" + std::string(name);
        if (const std::optional<FileOwner> owner = OwnerOfName(name)) {
            if (HasEnded(*owner)) (name.ends_with(kRenameNoteEnding) ? notes : files).push_back(path);
            continue;
        }
        struct stat info {};
        if (IsUnowned(name) && ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            now - info.st_mtime > kUnownedAge)
            files.push_back(path);
    }
    ::closedir(dir);
    // The notes first: they may still want some of the files.
    for (const std::string& note : notes) RenameNote::FinishLeftover(note);
    for (const std::string& file : files) ::unlink(file.c_str());
}

}  // namespace isobra
