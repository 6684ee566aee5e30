#include "render/OutputCommitter.h"

#include <unistd.h>

#include <cerrno>
#include <optional>

#include "model/RenameNote.h"
#include "render/RenderMessages.h"

namespace isobra {

namespace {

constexpr auto kFlushEvery = std::chrono::milliseconds(250);

}  // namespace

OutputCommitter::OutputCommitter(int folder, ProgressLine& progress)
    : folder_(folder), progress_(progress), lastFlush_(std::chrono::steady_clock::now()) {}

void OutputCommitter::Add(std::vector<JobOutcome>& outcomes) {
    for (JobOutcome& outcome : outcomes) held_.push_back(std::move(outcome));
    if (folder_ < 0 || std::chrono::steady_clock::now() - lastFlush_ >= kFlushEvery) CommitHeld();
    progress_.Update(written_ + failed_ + static_cast<int>(held_.size()));
}

void OutputCommitter::Finish() { CommitHeld(); }

void OutputCommitter::CommitHeld() {
    if (held_.empty()) return;
    // A file that may not be on the disk is not put in place.
    const Status flushed = folder_ < 0 || ::syncfs(folder_) == 0 ? Status() : Status::Fail(SystemErrorReason(errno));
    // Killed among the renames, the next write into the folder finishes them.
    std::vector<const StagedFile*> files;
    for (const JobOutcome& outcome : held_)
        for (const StagedFile& file : outcome.staged)
            if (flushed && !outcome.failed) files.push_back(&file);
    std::optional<RenameNote> note = files.size() > 1 ? RenameNote::Write(files) : std::nullopt;
    for (JobOutcome& outcome : held_) {
        for (StagedFile& file : outcome.staged) {
            if (outcome.failed) break;  // the rest of its files are dropped unrenamed
            if (const Status committed = flushed ? file.Commit() : flushed; !committed) {
                outcome.messages.push_back(
                    ToolMessage(file.target(), 0, "書き込めませんでした（" + committed.message() + "）。"));
                outcome.failed = true;
            }
        }
        for (const std::string& message : outcome.messages) progress_.Print(message);
        ++(outcome.failed ? failed_ : written_);
    }
    if (folder_ >= 0) ::fsync(folder_);
    note.reset();
    held_.clear();
    lastFlush_ = std::chrono::steady_clock::now();
}

}  // namespace isobra
