#include "state/AppState.h"

#include "model/StationTable.h"

namespace isobra {

namespace {

// What a save writes for a program just made: the station names and no
// report. The same for every one, so made once.
const Result<std::string>& FreshFile() {
    static const Result<std::string> file = [] {
        ObservationSet observations;
        EntryLists lists;
        InitStationTable(observations);
        lists.land.ResetToNames(observations);
        return lists.FileAsSaved(observations);
    }();
    return file;
}

}  // namespace

// Saved as FreshFile() says: a state made by the thousand (the batch tool,
// fuzzing) does not write a file each time.
AppState::AppState() { ResetSettings(); }

void AppState::ApplyStartupSettings() {
    ResetSettings();
    MarkObservationsSaved();
}

void AppState::ResetSettings() {
    field.grid = GridSettings{};
    field.plotTable.lastPlotIndex = 0;
    colours.ResetToDefaults();
    display.SetDisplayTime(1.0f);
    mouseMode = MouseMode::None;
    correctionHistory.Clear();
    InitStationTable(observations);
    lists.land.ResetToNames(observations);
}

Result<std::string> AppState::ObservationFileNow() const { return lists.FileAsSaved(observations); }

bool AppState::ObservationsUnsaved() const {
    const Result<std::string>* saved = savedFresh_ ? &FreshFile() : savedFile_ ? &*savedFile_ : nullptr;
    if (!saved) return true;
    const Result<std::string> now = ObservationFileNow();
    // Data that cannot be written is as unchanged as long as it fails alike.
    if (now.ok() != saved->ok()) return true;
    return now ? *now != **saved : now.failure() != saved->failure();
}

void AppState::MarkObservationsSaved() {
    savedFile_ = ObservationFileNow();
    savedFresh_ = false;
}

void AppState::MarkObservationsUnsaved() {
    savedFile_.reset();
    savedFresh_ = false;
}

}  // namespace isobra
