#include "app/PracticeCommands.h"

#include "app/EntryWindows.h"
#include "app/MapView.h"
#include "app/UnsavedGuard.h"
#include "entry/Tenki1.h"
#include "model/ObservationFile.h"
#include "practice/Renshuu.h"
#include "state/AppState.h"
#include "state/GridReplacement.h"
#include "widgets/Prompts.h"
#include "widgets/WindowPlacement.h"

namespace isobra {

PracticeCommands::PracticeCommands(AppState& state, Prompts& prompts, MapView& map, EntryWindows& entry,
                                   UnsavedGuard& unsaved)
    : state_(state), prompts_(prompts), map_(map), entry_(entry), unsaved_(unsaved), files_(prompts) {}

PracticeCommands::~PracticeCommands() {
    // Before the entry windows and the map go: it reaches into both.
    delete renshuu_.data();
}

void PracticeCommands::ShowPracticeWindow() {
    if (!renshuu_) {
        renshuu_ = new Renshuu(state_, prompts_, *this, &map_.frame());
        if (outputs_) renshuu_->SetAudioOutputs(outputs_);
        if (!soundModule_.isEmpty()) renshuu_->SetSoundModule(soundModule_);
    }
    ShowBesideMainWindow(renshuu_, &map_.frame());
}

Renshuu* PracticeCommands::practiceWindow() const { return renshuu_.data(); }

void PracticeCommands::SetAudioOutputs(AudioOutputFactory outputs) {
    outputs_ = std::move(outputs);
    if (renshuu_) renshuu_->SetAudioOutputs(outputs_);
}

void PracticeCommands::SetSoundModule(const QString& file) {
    soundModule_ = file;
    if (renshuu_) renshuu_->SetSoundModule(soundModule_);
}

bool PracticeCommands::MayReplaceObservations() { return unsaved_.MayReplaceObservations(); }

void PracticeCommands::EmptyObservations(const std::vector<std::string>& stationNames) {
    // The stations of the report first, so that its land stations meet
    // their rows in the land entry window.
    ObservationFileData stations;
    stations.stationNames = stationNames;
    stations.land.resize(stationNames.size());
    ApplyObservationData(stations, state_);
    entry_.EraseAllObservations();
    // The report starts at the first station: so does the land window.
    entry_.landForm()->SelectRow(0);
}

std::optional<QString> PracticeCommands::AskSavePath(const QString& title, const QString& pattern,
                                                     const char* extension) {
    return files_.AskSavePath(title, pattern, extension);
}

bool PracticeCommands::WriteFile(const QString& path, const Result<std::string>& bytes) {
    return files_.Write(path, bytes);
}

}  // namespace isobra
