#include "model/RenameNote.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <random>

#include "model/FileAccess.h"
#include "model/LeftoverFiles.h"

namespace isobra {

namespace {

constexpr std::string_view kHeader = "isobra renames\n";
constexpr std::string_view kEnd = "end\n";

// The path from the root, so that a process started elsewhere finds it.
std::string Absolute(const std::string& path) {
    if (!path.empty() && path.front() == '/') return path;
    char here[PATH_MAX];
    return std::string(::getcwd(here, sizeof here) ? here : ".") + "/" + path;
}

// The file at `path` as it now is, to tell later whether it changed.
std::string StateOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return "-";
    return std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino) + ":" + std::to_string(info.st_size) + ":" +
           std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec);
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void FlushFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::string NoteName() {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    std::string tag;
    for (int i = 0; i < 6; ++i) tag += "abcdefghijklmnopqrstuvwxyz0123456789"[random() % 36];
    return TemporaryFilePrefix() + tag + std::string(kRenameNoteEnding);
}

}  // namespace

std::optional<RenameNote> RenameNote::Write(const std::vector<const StagedFile*>& files) {
    std::string text(kHeader);
    std::vector<std::string> folders;
    for (const StagedFile* file : files) {
        const std::string target = Absolute(file->target());
        for (const std::string& field : {Absolute(file->temp()), target, StateOf(target)}) text += field + '\0';
        if (std::find(folders.begin(), folders.end(), DirectoryOf(target)) == folders.end())
            folders.push_back(DirectoryOf(target));
    }
    text += kEnd;
    RenameNote note;
    const std::string name = NoteName();
    for (const std::string& folder : folders) {
        const std::string path = folder + "/" + name;
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0) return std::nullopt;  // the notes already written go with `note`
        note.paths_.push_back(path);
        const bool written = WriteAll(fd, text) && ::fsync(fd) == 0;
        ::close(fd);
        if (!written) return std::nullopt;
        FlushFolder(folder);
    }
    return note;
}

RenameNote::RenameNote(RenameNote&& other) noexcept : paths_(std::exchange(other.paths_, {})) {}

RenameNote::~RenameNote() {
    for (const std::string& path : paths_) ::unlink(path.c_str());
}

void RenameNote::FinishLeftover(const std::string& notePath) {
    // Only what the same process made, in its target's folder and ours, is
    // renamed: a note put into a shared folder by someone else moves nothing.
    const std::string noteName = FileNameOf(notePath);
    const std::string maker = noteName.substr(0, noteName.size() - 6 - kRenameNoteEnding.size());
    auto ours = [](const std::string& path) {
        struct stat info {};
        return ::lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid();
    };
    const Result<std::string> read = ours(notePath) ? ReadWholeFile(notePath) : Result<std::string>::Fail({});
    const std::string_view text = read ? std::string_view(*read) : std::string_view();
    std::vector<std::string> fields;
    if (text.starts_with(kHeader) && text.ends_with(kEnd)) {
        std::string_view rest = text.substr(kHeader.size(), text.size() - kHeader.size() - kEnd.size());
        for (std::size_t nul; (nul = rest.find('\0')) != std::string_view::npos; rest.remove_prefix(nul + 1))
            fields.emplace_back(rest.substr(0, nul));
        if (!rest.empty() || fields.size() % 3 != 0) fields.clear();
    }
    for (std::size_t i = 0; i < fields.size(); i += 3) {
        const std::string& temp = fields[i];
        const std::string& target = fields[i + 1];
        const std::string tempName = FileNameOf(temp);
        if (!tempName.starts_with(maker) || tempName.size() != maker.size() + 6 ||
            DirectoryOf(temp) != DirectoryOf(target) || !ours(temp))
            continue;  // gone already (renamed before the process ended), or not its
        if (StateOf(target) == fields[i + 2])
            ::rename(temp.c_str(), target.c_str());
        else
            ::unlink(temp.c_str());  // something newer stands there now
    }
    ::unlink(notePath.c_str());
}

}  // namespace isobra
