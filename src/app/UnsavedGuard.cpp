#include "app/UnsavedGuard.h"

#include "state/AppState.h"
#include "widgets/Prompts.h"

namespace isobra {

UnsavedGuard::UnsavedGuard(const AppState& state, Prompts& prompts) : state_(state), prompts_(prompts) {}

bool UnsavedGuard::MayReplaceObservations() {
    if (!state_.ObservationsUnsaved()) return true;
    return prompts_.AskYesNo(
        QString::fromUtf8(kProgramTitle),
        QStringLiteral("入力したデータはまだ保存されていません。読みこむと消えます。よろしいですか？"),
        Prompts::Answer::No);
}

}  // namespace isobra
