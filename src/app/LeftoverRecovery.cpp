#include "app/LeftoverRecovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "widgets/MoveToTrash.h"

namespace isobra {

namespace {

// The lock of a program that ended: a running program's own, or another
// one's that is still held, cannot be taken.
std::unique_ptr<QLockFile> TakeLock(const QString& lockPath) {
    auto lock = std::make_unique<QLockFile>(lockPath);
    // Only a program that no longer runs lets go of its file, however old.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

}  // namespace

LeftoverRecovery::LeftoverRecovery(QString path, std::unique_ptr<QLockFile> lock)
    : path_(std::move(path)), lock_(std::move(lock)) {}

std::optional<LeftoverRecovery> LeftoverRecovery::FindNewest(const QString& folder) {
    const QDir dir(folder);
    // A program that ended with its data saved, or was stopped so, left its
    // lock alone: taken and let go at once, it is removed.
    for (const QString& name : dir.entryList({QStringLiteral("*.dat.lock")}, QDir::Files | QDir::Hidden)) {
        if (!QFileInfo::exists(dir.filePath(name.chopped(5)))) TakeLock(dir.filePath(name));
    }
    for (const QFileInfo& file : dir.entryInfoList({QStringLiteral("*.dat")}, QDir::Files, QDir::Time)) {
        auto lock = TakeLock(file.filePath() + QStringLiteral(".lock"));
        // Another program starting at the same time may have dealt with it.
        if (lock && QFileInfo::exists(file.filePath())) return LeftoverRecovery(file.filePath(), std::move(lock));
    }
    return std::nullopt;
}

void LeftoverRecovery::Remove() {
    QFile::remove(path_);
    lock_.reset();
}

void LeftoverRecovery::Discard() {
    // Where no trash takes it, MoveToTrash deletes it for good: the user said so.
    MoveToTrash(path_);
    lock_.reset();
}

}  // namespace isobra
