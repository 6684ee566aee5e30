#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <optional>

namespace isobra {

// A recovery file that an earlier run left behind with data it never saved.
// It is held (locked) while the user decides, so that no program starting
// meanwhile offers it too.
class LeftoverRecovery {
public:
    // The newest recovery file in `folder` that no program running on this
    // machine holds. Lock files that no program holds and that guard no data
    // are removed on the way.
    static std::optional<LeftoverRecovery> FindNewest(const QString& folder);

    QString path() const { return path_; }
    // When its data was last changed.
    QDateTime changed() const;
    // Its lock could not be judged (empty, unreadable, or written on another
    // machine): another program may still be using it, and it is not held.
    bool inDoubt() const { return !lock_; }
    // Held from now on, a lock in doubt replaced by this program's own;
    // false when that failed (another program took it meanwhile).
    bool TakeOver();

    // Its data lives on elsewhere: the file goes. Nothing while it is not held.
    void Remove();
    // Not wanted: to the trash, so that a slip can be undone.
    void Discard();

private:
    LeftoverRecovery(QString path, std::unique_ptr<QLockFile> lock);

    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace isobra
