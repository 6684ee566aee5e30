#include "app/LeftoverRecovery.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include "widgets/MoveToTrash.h"

namespace isobra {

namespace {

QString LockOf(const QString& path) { return path + QStringLiteral(".lock"); }

// As a name filter "*<suffix>" takes it, without the regular expression a
// name filter is compiled into (Qt's engine would be read into memory at
// every start for it).
bool EndsWith(const QString& name, const QString& suffix) { return name.endsWith(suffix, Qt::CaseInsensitive); }

// The lock of a program that ended: a running program's own, or another
// one's that is still held, cannot be taken.
std::unique_ptr<QLockFile> TakeLock(const QString& lockPath) {
    auto lock = std::make_unique<QLockFile>(lockPath);
    // Only a program that no longer runs lets go of its file, however old.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return nullptr;
    return lock;
}

// Whether a lock that could not be taken was written on this machine, so
// that its not being taken means its program runs. A lock names the
// process, the program, the host and, from newer writers, the machine's id,
// one to a line; the id, where there is one, outlasts a renamed host.
bool WrittenHere(const QString& lockPath) {
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QList<QByteArray> lines = file.read(4096).split('\n');
    if (lines.size() < 3) return false;
    bool number = false;
    if (lines[0].trimmed().toLongLong(&number) <= 0 || !number) return false;
    if (lines.size() > 3 && !lines[3].isEmpty()) return lines[3] == QSysInfo::machineUniqueId();
    return QString::fromUtf8(lines[2]) == QSysInfo::machineHostName();
}

}  // namespace

LeftoverRecovery::LeftoverRecovery(QString path, std::unique_ptr<QLockFile> lock)
    : path_(std::move(path)), lock_(std::move(lock)) {}

std::optional<LeftoverRecovery> LeftoverRecovery::FindNewest(const QString& folder) {
    const QDir dir(folder);
    // A program that ended with its data saved, or was stopped so, left its
    // lock alone: taken and let go at once, it is removed.
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (EndsWith(name, QStringLiteral(".dat.lock")) && !QFileInfo::exists(dir.filePath(name.chopped(5))))
            TakeLock(dir.filePath(name));
    }
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files, QDir::Time)) {
        if (!EndsWith(file.fileName(), QStringLiteral(".dat"))) continue;
        const QString lockPath = LockOf(file.filePath());
        auto lock = TakeLock(lockPath);
        // Another program starting at the same time may have dealt with it.
        if (lock && QFileInfo::exists(file.filePath())) return LeftoverRecovery(file.filePath(), std::move(lock));
        // Left for ever when skipped: offered, with the doubt said.
        if (!lock && !WrittenHere(lockPath)) return LeftoverRecovery(file.filePath(), nullptr);
    }
    return std::nullopt;
}

QDateTime LeftoverRecovery::changed() const { return QFileInfo(path_).lastModified(); }

bool LeftoverRecovery::TakeOver() {
    if (!lock_) {
        QFile::remove(LockOf(path_));
        lock_ = TakeLock(LockOf(path_));
    }
    return lock_ != nullptr;
}

void LeftoverRecovery::Remove() {
    if (!lock_) return;
    QFile::remove(path_);
    lock_.reset();
}

void LeftoverRecovery::Discard() {
    // Where no trash takes it, MoveToTrash deletes it for good: the user said
    // so. One that can be neither is offered again at the next start.
    (void)MoveToTrash(path_);
    lock_.reset();
}

}  // namespace isobra
