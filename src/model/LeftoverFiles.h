#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

namespace isobra {

// Every temporary file a save makes beside its target, and every rename
// note (RenameNote.h), is named after the process that made it:
// ".isobra-PID-START-HOST-" and six random letters, START being the
// process's start in clock ticks since the machine booted and HOST four
// letters of the machine's name. A process killed between writing and
// renaming leaves them behind; the next save into the same folder, by
// whatever program of ours, finishes the notes and removes the files of
// every process on this machine that no longer runs. A running process's
// files, and those from other machines sharing the folder, are left alone.
std::string TemporaryFilePrefix();

// The maker a temporary file's or a note's name tells.
struct FileOwner {
    pid_t pid = 0;
    unsigned long long start = 0;
    std::string host;
};
std::optional<FileOwner> OwnerOfName(std::string_view name);

// Whether the process that made a file is known to have ended: it ran on
// this machine and no process of its id runs, or one does that started at
// another time (the id was used again).
bool HasEnded(const FileOwner& owner);

// Finishes the rename notes and removes the temporary files that ended
// processes left in `folder`, together with the unowned ".isobra-XXXXXX"
// files of earlier versions once they are a day old. A folder is looked
// through at most once a minute by one process, so that many maps written
// into one folder do not read it for each file.
void RemoveLeftovers(const std::string& folder);

}  // namespace isobra
