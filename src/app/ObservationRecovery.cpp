#include "app/ObservationRecovery.h"

#include "app/LeftoverRecovery.h"
#include "app/RecoveryFile.h"
#include "state/AppState.h"
#include "widgets/Prompts.h"

namespace isobra {

ObservationRecovery::ObservationRecovery(AppState& state, Prompts& prompts, Load load)
    : state_(state), prompts_(prompts), load_(std::move(load)) {}

ObservationRecovery::~ObservationRecovery() = default;

void ObservationRecovery::Offer() {
    const QString folder = RecoveryFile::DefaultFolder();
    file_ = std::make_unique<RecoveryFile>(folder, [this] { return state_.lists.FileAsSaved(state_.observations); });
    QObject::connect(file_.get(), &RecoveryFile::failed, file_.get(),
                     [this](const QString& reason) { TellFailed(reason); });
    file_->Start();

    std::optional<LeftoverRecovery> leftover = LeftoverRecovery::FindNewest(folder);
    if (!leftover) return;
    if (!prompts_.AskYesNo(QString::fromUtf8(kProgramTitle),
                           QStringLiteral("前回入力したデータが保存されていません。読みこみますか？"))) {
        leftover->Discard();
        return;
    }
    if (!load_(leftover->path())) {
        // The user has read why; a file that cannot be read is not offered again.
        leftover->Discard();
        return;
    }
    // Loaded but still saved nowhere: in this program's file before the old
    // one goes. Where that cannot be written, the old one stays for the next start.
    if (file_->MarkUnsaved()) leftover->Remove();
}

void ObservationRecovery::NoteChange() {
    if (file_) file_->NoteChange();
}

void ObservationRecovery::MarkClean() {
    if (file_) file_->MarkClean();
}

bool ObservationRecovery::IsSaved() const { return file_ && file_->IsSaved(); }

void ObservationRecovery::TellFailed(const QString& reason) {
    // Once: the entry goes on, and a box at every row would stop it.
    if (failureTold_) return;
    failureTold_ = true;
    prompts_.Inform(QString::fromUtf8(kProgramTitle),
                    QStringLiteral("入力したデータの控えを書けませんでした（%1）。"
                                   "「気象観測データ保存」で保存しておいてください。")
                        .arg(reason),
                    Prompts::Icon::Warning);
}

}  // namespace isobra
