#include "model/FileIdentity.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <vector>

#include "model/FileAccess.h"

namespace isobra {

namespace {

// The path from the root, "." and ".." taken away by their spelling: for a
// folder that does not exist, where nothing can be resolved.
std::string Normalised(const std::string& path) {
    std::string whole = path;
    if (whole.empty() || whole.front() != '/') {
        char here[PATH_MAX];
        whole = std::string(::getcwd(here, sizeof here) ? here : "") + "/" + whole;
    }
    std::vector<std::string> parts;
    std::size_t from = 0;
    while (from <= whole.size()) {
        std::size_t slash = whole.find('/', from);
        if (slash == std::string::npos) slash = whole.size();
        const std::string part = whole.substr(from, slash - from);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        from = slash + 1;
    }
    std::string out;
    for (const std::string& part : parts) out += "/" + part;
    return out.empty() ? "/" : out;
}

}  // namespace

FileIdentity FileIdentity::Of(const std::string& path) {
    FileIdentity id;
    const std::string target = SaveTargetOf(path);
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) {
        id.exists_ = true;
        id.device_ = info.st_dev;
        id.inode_ = info.st_ino;
        return id;
    }
    const std::string name = FileNameOf(target);
    if (char* folder = ::realpath(DirectoryOf(target).c_str(), nullptr)) {
        const std::string resolved(folder);
        std::free(folder);
        id.resolved_ = (resolved == "/" ? "" : resolved) + "/" + name;
    } else {
        id.resolved_ = Normalised(target);
    }
    return id;
}

}  // namespace isobra
