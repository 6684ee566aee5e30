// The recovery file: the observations typed since the last save kept on the
// disk as the user goes, and a report an earlier run left unsaved offered
// again at the next start.
#include "app/LeftoverRecovery.h"
#include "app/MainWindow.h"
#include "app/RecoveryFile.h"

namespace isobra {

void MainWindow::OfferRecovery() {
    const QString folder = RecoveryFile::DefaultFolder();
    recovery_ =
        std::make_unique<RecoveryFile>(folder, [this] { return state_.lists.FileAsSaved(state_.observations); });
    connect(recovery_.get(), &RecoveryFile::failed, this, &MainWindow::TellRecoveryFailed);
    recovery_->Start();

    std::optional<LeftoverRecovery> leftover = LeftoverRecovery::FindNewest(folder);
    if (!leftover) return;
    if (!prompts_.AskYesNo(QString::fromUtf8(kProgramTitle),
                           QStringLiteral("前回入力したデータが保存されていません。読みこみますか？"))) {
        leftover->Discard();
        return;
    }
    if (!OpenObservationFile(leftover->path())) {
        // The user has read why; a file that cannot be read is not offered again.
        leftover->Discard();
        return;
    }
    // Loaded but still saved nowhere: in this program's file before the old
    // one goes. Where that cannot be written, the old one stays for the next start.
    if (recovery_->MarkUnsaved()) leftover->Remove();
}

void MainWindow::NoteObservationsChanged() {
    if (recovery_) recovery_->NoteChange();
}

void MainWindow::MarkObservationsClean() {
    if (recovery_) recovery_->MarkClean();
}

void MainWindow::TellRecoveryFailed(const QString& reason) {
    // Once: the entry goes on, and a box at every row would stop it.
    if (recoveryFailureTold_) return;
    recoveryFailureTold_ = true;
    prompts_.Inform(QString::fromUtf8(kProgramTitle),
                    QStringLiteral("入力したデータの控えを書けませんでした（%1）。"
                                   "「気象観測データ保存」で保存しておいてください。")
                        .arg(reason),
                    Prompts::Icon::Warning);
}

}  // namespace isobra
