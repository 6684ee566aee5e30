#pragma once

#include <sys/types.h>

#include <compare>
#include <string>

namespace isobra {

// Which file a path names, whatever its spelling: "map.png", "./map.png",
// "out/../map.png", a symbolic link to it and a hard link of it are one
// file. An existing file is known by its device and inode; a file still to
// be made by the path it would get, its folder resolved, a symbolic link
// followed to where a save would write (so a dangling link is the file it
// points to).
class FileIdentity {
public:
    static FileIdentity Of(const std::string& path);

    bool exists() const { return exists_; }
    auto operator<=>(const FileIdentity&) const = default;

private:
    bool exists_ = false;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    std::string resolved_;  // for a file that does not exist
};

}  // namespace isobra
