#include "model/RecoveryJournal.h"

#include <cerrno>
#include <cstdio>
#include <utility>

namespace isobra {

RecoveryJournal::RecoveryJournal(std::string path, FailureHandler onFailure, FileSystemCalls calls)
    : path_(std::move(path)), onFailure_(std::move(onFailure)), calls_(calls), worker_([this] { Run(); }) {}

RecoveryJournal::~RecoveryJournal() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

void RecoveryJournal::Record(std::string snapshot) { Ask(std::move(snapshot)); }

void RecoveryJournal::Remove() { Ask(std::nullopt); }

void RecoveryJournal::Ask(Wanted wanted) {
    if (wanted == asked_) return;
    asked_ = wanted;
    {
        std::lock_guard lock(mutex_);
        waiting_ = std::move(wanted);
    }
    changed_.notify_all();
}

bool RecoveryJournal::Flush() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !waiting_ && !busy_; });
    return !failed_;
}

void RecoveryJournal::Run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return waiting_ || stopping_; });
        if (!waiting_) return;  // stopping with nothing left to do
        const Wanted wanted = std::move(*waiting_);
        waiting_.reset();
        busy_ = true;
        lock.unlock();
        const bool done = CarryOut(wanted);
        lock.lock();
        busy_ = false;
        failed_ = !done;
        changed_.notify_all();
    }
}

bool RecoveryJournal::CarryOut(const Wanted& wanted) {
    std::string reason;
    if (wanted) {
        if (const Status saved = SaveFileAtomically(path_, *wanted, calls_); !saved) reason = saved.message();
    } else if (std::remove(path_.c_str()) != 0 && errno != ENOENT) {
        reason = SystemErrorReason(errno);
    }
    if (reason.empty()) return true;
    if (onFailure_) onFailure_(reason);
    return false;
}

}  // namespace isobra
