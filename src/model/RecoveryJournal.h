#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "model/FileAccess.h"

namespace isobra {

// Keeps one file, the recovery file, holding the data as the user left it
// for as long as that data stands in no file of the user's; while it does,
// the recovery file is gone. The caller says which.
//
// Writes and removals run on a thread of the journal's own, in the order
// asked, so no entry waits for the disk; each write is atomic and flushed,
// so the file is always one whole snapshot. When requests come faster than
// the disk takes them, only the newest waiting one is carried out.
class RecoveryJournal {
public:
    // Called on the journal's thread with a reason phrase ("ディスクの空きが
    // 足りません") when a write or a removal fails.
    using FailureHandler = std::function<void(const std::string& reason)>;

    // The file does not exist yet.
    explicit RecoveryJournal(std::string path, FailureHandler onFailure = {},
                             FileSystemCalls calls = FileSystemCalls::System());
    // Carries out what is still waiting, then stops.
    ~RecoveryJournal();
    RecoveryJournal(const RecoveryJournal&) = delete;
    RecoveryJournal& operator=(const RecoveryJournal&) = delete;

    // The data as it now stands, as file bytes: written.
    void Record(std::string snapshot);
    // The data stands in a file of the user's, or is gone: so is the file.
    void Remove();
    // Waits until the file is as last asked; false when that failed.
    bool Flush();

    const std::string& path() const { return path_; }

private:
    // What the file should hold; nothing: no file.
    using Wanted = std::optional<std::string>;
    void Ask(Wanted wanted);
    void Run();
    // True when done.
    bool CarryOut(const Wanted& wanted);

    const std::string path_;
    const FailureHandler onFailure_;
    const FileSystemCalls calls_;

    // The caller's side, used by one thread only.
    Wanted asked_;  // the last request; at first no file

    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<Wanted> waiting_;  // the request not yet taken up
    bool busy_ = false;              // a request is being carried out
    bool failed_ = false;            // the last one carried out failed
    bool stopping_ = false;
    std::thread worker_;  // last: starts once everything above exists
};

}  // namespace isobra
