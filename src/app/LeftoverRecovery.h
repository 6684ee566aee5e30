#pragma once

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
    // The newest recovery file in `folder` that no running program holds.
    // Lock files that no program holds and that guard no data are removed
    // on the way.
    static std::optional<LeftoverRecovery> FindNewest(const QString& folder);

    QString path() const { return path_; }
    // Its data lives on elsewhere: the file goes.
    void Remove();
    // Not wanted: to the trash, so that a slip can be undone.
    void Discard();

private:
    LeftoverRecovery(QString path, std::unique_ptr<QLockFile> lock);

    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace isobra
