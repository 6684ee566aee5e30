#include "app/ObservationRecovery.h"

#include "app/LeftoverRecovery.h"
#include "app/RecoveryFile.h"
#include "state/AppState.h"
#include "widgets/Prompts.h"

namespace isobra {

namespace {

// The question names when the report was last changed, so that an old
// leftover can be told from today's.
QString OfferText(const LeftoverRecovery& leftover) {
    QString text = QStringLiteral("前回入力したデータが保存されていません。読みこみますか？") +
                   QStringLiteral("（%1 に入力）").arg(leftover.changed().toString(QStringLiteral("M月d日 H:mm")));
    if (leftover.inDoubt()) text += QStringLiteral("\r\n（別のIsobraが使っている可能性があります）");
    return text;
}

}  // namespace

ObservationRecovery::ObservationRecovery(AppState& state, Prompts& prompts, Load load)
    : state_(state), prompts_(prompts), load_(std::move(load)) {}

ObservationRecovery::~ObservationRecovery() = default;

void ObservationRecovery::Offer() {
    const QString folder = RecoveryFile::DefaultFolder();
    file_ = std::make_unique<RecoveryFile>(folder, [this]() -> std::optional<Result<std::string>> {
        if (!state_.ObservationsUnsaved()) return std::nullopt;
        return state_.ObservationFileNow();
    });
    QObject::connect(file_.get(), &RecoveryFile::failed, file_.get(),
                     [this](const QString& reason) { TellFailed(reason); });
    file_->Start();

    std::optional<LeftoverRecovery> leftover = LeftoverRecovery::FindNewest(folder);
    if (!leftover) return;
    switch (prompts_.AskYesNoOrDismiss(QString::fromUtf8(kProgramTitle), OfferText(*leftover))) {
        case Prompts::Reply::Dismissed:
            return;  // asked again at the next start
        case Prompts::Reply::No:
            leftover->Discard();
            return;
        case Prompts::Reply::Yes:
            break;
    }
    // A lock in doubt is this program's from now on. Where another took it
    // meanwhile, the data is read all the same and its file left to it.
    leftover->TakeOver();
    if (!load_(leftover->path())) {
        // The user has read why; a file that cannot be read is not offered again.
        leftover->Discard();
        return;
    }
    // Loaded but still saved nowhere: in this program's file before the old
    // one goes. Where that cannot be written, the old one stays for the next start.
    state_.MarkObservationsUnsaved();
    if (file_->UpdateAndWait()) leftover->Remove();
}

void ObservationRecovery::NoteChange() {
    if (file_) file_->NoteChange();
}

void ObservationRecovery::SetAsideUnsaved() {
    if (file_ && state_.ObservationsUnsaved()) file_->SendToTrash();
}

void ObservationRecovery::MarkSaved() {
    state_.MarkObservationsSaved();
    if (file_) file_->Update();
}

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
