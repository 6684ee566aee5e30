#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace isobra {

class AppState;
class Prompts;
class RecoveryFile;

// The observations kept in this program's recovery file as the user types
// them, until they stand in a file of the user's; and a report an earlier
// run left unsaved, offered again at the start. Whether they are unsaved is
// the state's to say (AppState::ObservationsUnsaved); the file follows it.
class ObservationRecovery {
public:
    // Loads a leftover report as "気象観測データ読みこみ" loads a file; false
    // after telling the user why nothing changed.
    using Load = std::function<bool(const QString& path)>;

    ObservationRecovery(AppState& state, Prompts& prompts, Load load);
    ~ObservationRecovery();

    // From here on the observations are kept in the recovery file. First a
    // report that an earlier run left unsaved is offered: Yes loads it, No
    // sends it to the trash, and a question put off (Escape, the close box)
    // leaves it where it is, to be offered at the next start.
    void Offer();
    RecoveryFile* file() const { return file_.get(); }

    // The user changed the observations.
    void NoteChange();
    // The observations are about to be replaced (a load, an erase-all): an
    // unsaved report's recovery file goes to the desktop's trash.
    void SetAsideUnsaved();
    // The observations now stand in a file of the user's (saved, loaded) or
    // were erased: the recovery file goes.
    void MarkSaved();

private:
    void TellFailed(const QString& reason);

    AppState& state_;
    Prompts& prompts_;
    Load load_;
    std::unique_ptr<RecoveryFile> file_;
    bool failureTold_ = false;
};

}  // namespace isobra
