#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>

#include "model/Result.h"

namespace isobra {

class RecoveryJournal;

// This program's recovery file: the observations as the user left them,
// written a moment after each change while no file of the user's holds them,
// so that a crash, a killed session or "終了ｏｋ？" chosen by a slip loses
// nothing. Each running program has its own file; its lock file beside it
// ("….dat.lock") tells the others that it is in use.
class RecoveryFile : public QObject {
    Q_OBJECT

public:
    // What the file holds: the observation file a save would write now.
    using Snapshot = std::function<Result<std::string>()>;
    // The longest time from a change to its write starting; the changes of
    // that time are written together.
    static constexpr int kDelayMs = 300;

    // "recovery" in the user's data folder.
    static QString DefaultFolder();

    RecoveryFile(QString folder, Snapshot snapshot, QObject* parent = nullptr);
    // Writes a change still waiting, then lets the file go: a program that
    // ends without saving leaves it to the next one.
    ~RecoveryFile() override;

    // Takes a new file in the folder (made when missing); the data as it now
    // stands counts as saved. A failure is told by failed(), and from then on
    // nothing is written.
    void Start();
    QString path() const { return path_; }

    // The data changed: written within kDelayMs, unless it is as last saved.
    void NoteChange();
    // The data now stands in a file of the user's: this file goes.
    void MarkClean();
    // The data stands in no file of the user's (it came from a recovery
    // file): written at once and waited for. True when it is on the disk.
    bool MarkUnsaved();
    // Whether the data as it now stands is in a file of the user's; false
    // when that is not known (no file could be kept).
    bool IsSaved() const;

signals:
    // A reason phrase ("ディスクの空きが足りません"); told on the main thread.
    void failed(const QString& reason);

private:
    void WriteNow();

    QString folder_;
    Snapshot snapshot_;
    QString path_;
    QTimer timer_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<RecoveryJournal> journal_;  // after the lock: ends before it
};

}  // namespace isobra
