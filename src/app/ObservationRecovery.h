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
// run left unsaved, offered again at the start.
class ObservationRecovery {
public:
    // Loads a leftover report as "気象観測データ読みこみ" loads a file; false
    // after telling the user why nothing changed.
    using Load = std::function<bool(const QString& path)>;

    ObservationRecovery(AppState& state, Prompts& prompts, Load load);
    ~ObservationRecovery();

    // From here on the observations are kept in the recovery file. First a
    // report that an earlier run left unsaved is offered; Yes loads it, No
    // sends it to the trash.
    void Offer();
    RecoveryFile* file() const { return file_.get(); }

    // The observations as the recovery file sees them: changed by the user,
    // or now standing in a file of the user's (saved, loaded, erased).
    void NoteChange();
    void MarkClean();
    // Whether the observations stand in a file of the user's (saved, loaded
    // or erased since the last change); false when that is not known.
    bool IsSaved() const;

private:
    void TellFailed(const QString& reason);

    AppState& state_;
    Prompts& prompts_;
    Load load_;
    std::unique_ptr<RecoveryFile> file_;
    bool failureTold_ = false;
};

}  // namespace isobra
