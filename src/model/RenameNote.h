#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace isobra {

class StagedFile;

// The end of a rename note's name.
inline constexpr std::string_view kRenameNoteEnding = ".renames";

// Makes the renames of several staged files all or nothing even when the
// process is killed among them. Before the first rename a note listing every
// one (temporary file, target, and the target as it then was) is written and
// flushed into the folder of each target; it goes once they are done. A
// process killed in between leaves the note and the temporary files still
// to be renamed: the next save into one of those folders (LeftoverFiles.h)
// finishes the renames, each only while its target is still the file the
// note saw, so nothing written since is replaced. Rolling forward is right:
// every file was whole and on the disk before the note was written.
class RenameNote {
public:
    // Nothing when the note cannot be written (a full disk): the renames go
    // ahead without it, as they did before there were notes.
    static std::optional<RenameNote> Write(const std::vector<const StagedFile*>& files);
    RenameNote(RenameNote&& other) noexcept;
    RenameNote& operator=(RenameNote&&) = delete;
    RenameNote(const RenameNote&) = delete;
    RenameNote& operator=(const RenameNote&) = delete;
    // Removes the note: the renames are done (or failed and were reported).
    ~RenameNote();

    // Carries out what a note left by an ended process still asks for, then
    // removes it. A note not whole (the process died writing it) asks for
    // nothing: its files were never meant to be renamed.
    static void FinishLeftover(const std::string& notePath);

private:
    RenameNote() = default;
    std::vector<std::string> paths_;
};

}  // namespace isobra
