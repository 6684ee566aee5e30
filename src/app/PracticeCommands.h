#pragma once

#include <QPointer>
#include <QString>

#include "app/FilePrompts.h"
#include "practice/AudioOutput.h"
#include "practice/PracticeHost.h"

namespace isobra {

class AppState;
class EntryWindows;
class MapView;
class Prompts;
class Renshuu;
class UnsavedGuard;

// "聞き取りの練習": the practice window, and what it asks of the program
// (the observations it empties, the files it saves).
class PracticeCommands : public PracticeHost {
public:
    PracticeCommands(AppState& state, Prompts& prompts, MapView& map, EntryWindows& entry, UnsavedGuard& unsaved);
    ~PracticeCommands() override;
    PracticeCommands(const PracticeCommands&) = delete;
    PracticeCommands& operator=(const PracticeCommands&) = delete;

    // The window beside the map, made on first use.
    void ShowPracticeWindow();
    Renshuu* practiceWindow() const;
    // Where the voice of every practice from now on goes (the sound device
    // unless set).
    void SetAudioOutputs(AudioOutputFactory outputs);
    // The sound module of every practice from now on is loaded from this
    // file (beside the program unless set).
    void SetSoundModule(const QString& file);

    // Unsaved observations are replaced only when the user agrees.
    bool MayReplaceObservations() override;
    void EmptyObservations(const std::vector<std::string>& stationNames) override;
    std::optional<QString> AskSavePath(const QString& title, const QString& pattern, const char* extension) override;
    bool WriteFile(const QString& path, const Result<std::string>& bytes) override;

private:
    AppState& state_;
    Prompts& prompts_;
    MapView& map_;
    EntryWindows& entry_;
    UnsavedGuard& unsaved_;
    FilePrompts files_;
    AudioOutputFactory outputs_;
    QString soundModule_;
    QPointer<Renshuu> renshuu_;
};

}  // namespace isobra
