#include "model/ObservationSignature.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace isobra {

namespace {

constexpr std::string_view kObservationTitle = "\x8a\x65\x92\x6e\x82\xcc\x93\x56\x8b\x43,";

}  // namespace

bool HasObservationTitle(std::string_view head) { return head.starts_with(kObservationTitle); }

bool StartsLikeObservationFile(const std::string& path) {
    // Opened without waiting, so that a pipe does not hold the program up
    // before it is seen to be one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    std::string head(kObservationTitle.size(), '\0');
    ssize_t got = -1;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) got = ::read(fd, head.data(), head.size());
    ::close(fd);
    return got == static_cast<ssize_t>(head.size()) && HasObservationTitle(head);
}

}  // namespace isobra
