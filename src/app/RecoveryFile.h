#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
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
    // What the file holds: the observation file a save would write now; or
    // nothing while the data stands in a file of the user's.
    using Snapshot = std::function<std::optional<Result<std::string>>()>;
    // The longest time from a change to its write starting; the changes of
    // that time are written together.
    static constexpr int kDelayMs = 300;

    // "recovery" in the user's data folder.
    static QString DefaultFolder();

    RecoveryFile(QString folder, Snapshot snapshot, QObject* parent = nullptr);
    // Writes a change still waiting, then lets the file go: a program that
    // ends without saving leaves it to the next one.
    ~RecoveryFile() override;

    // Takes a new file in the folder (made when missing); nothing is written
    // before the first change. A failure is told by failed(), and from then
    // on nothing is written.
    void Start();
    QString path() const { return path_; }

    // The data changed: the file follows within kDelayMs.
    void NoteChange();
    // The file follows the data at once: written, or gone while the data
    // stands in a file of the user's.
    void Update();
    // The same, waited for. True when the data is on the disk.
    bool UpdateAndWait();
    // The data the file holds is about to be replaced: brought up to date,
    // the file goes to the desktop's trash, so that a wrong answer can still
    // be undone. Nothing while the data stands in a file of the user's.
    void SendToTrash();

signals:
    // A reason phrase ("ディスクの空きが足りません"); told on the main thread.
    void failed(const QString& reason);

private:
    QString folder_;
    Snapshot snapshot_;
    QString path_;
    QTimer timer_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<RecoveryJournal> journal_;  // after the lock: ends before it
};

}  // namespace isobra
