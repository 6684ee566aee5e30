#include "app/RecoveryFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include "model/RecoveryJournal.h"
#include "widgets/MoveToTrash.h"
#include "widgets/QtText.h"

namespace isobra {

QString RecoveryFile::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

RecoveryFile::RecoveryFile(QString folder, Snapshot snapshot, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), snapshot_(std::move(snapshot)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, &RecoveryFile::Update);
}

RecoveryFile::~RecoveryFile() {
    // The window that listens may be going too.
    blockSignals(true);
    if (timer_.isActive()) Update();
    journal_.reset();
    lock_.reset();
}

void RecoveryFile::Start() {
    if (!QDir().mkpath(folder_)) {
        emit failed(QStringLiteral("フォルダ「%1」を作れません").arg(QDir::toNativeSeparators(folder_)));
        return;
    }
    // Named by the start time and the process, so no two programs share one.
    path_ = QDir(folder_).filePath(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")) +
                                   QStringLiteral("-%1.dat").arg(QCoreApplication::applicationPid()));
    auto lock = std::make_unique<QLockFile>(path_ + QStringLiteral(".lock"));
    // Held for as long as the program runs, however long that is.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        emit failed(lock->error() == QLockFile::PermissionError ? QStringLiteral("書き込み権限がありません")
                                                                : QStringLiteral("ロックファイルを作れません"));
        return;
    }
    lock_ = std::move(lock);
    journal_ =
        std::make_unique<RecoveryJournal>(QFile::encodeName(path_).toStdString(), [this](const std::string& reason) {
            QMetaObject::invokeMethod(
                this, [this, reason = ToQ(reason)] { emit failed(reason); }, Qt::QueuedConnection);
        });
}

void RecoveryFile::NoteChange() {
    if (journal_ && !timer_.isActive()) timer_.start();
}

void RecoveryFile::Update() {
    timer_.stop();
    if (!journal_) return;
    std::optional<Result<std::string>> kept = snapshot_();
    if (!kept)
        journal_->Remove();
    else if (*kept)
        journal_->Record(std::move(**kept));
    else
        emit failed(ToQ(kept->message()));
}

bool RecoveryFile::UpdateAndWait() {
    Update();
    return journal_ && journal_->Flush() && QFile::exists(path_);
}

void RecoveryFile::SendToTrash() {
    if (!UpdateAndWait()) return;
    // Where no trash takes it, MoveToTrash deletes it, as every delete does;
    // where even that fails, the journal's removal tries once more.
    static_cast<void>(MoveToTrash(path_));
    journal_->Remove();
}

}  // namespace isobra
