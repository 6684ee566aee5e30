#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "app/FilePrompts.h"
#include "model/Result.h"

namespace isobra {

class AppState;
class EntryWindows;
class MapView;
class ObservationRecovery;
class Prompts;
class UnsavedGuard;

// The commands of the "ファイル" menu: observation files (*.dat) and isobar
// files (*.cnt), each saved, loaded and deleted through the chooser. A load
// reads the whole file before anything in memory changes; a save writes a
// temporary file and renames it, so the old file survives a failure.
class FileCommands {
public:
    FileCommands(AppState& state, Prompts& prompts, MapView& map, EntryWindows& entry, ObservationRecovery& recovery,
                 UnsavedGuard& unsaved);

    void SaveObservations();  // "気象観測データ保存"
    // "気象観測データ読みこみ": unsaved observations are replaced only after
    // the guard's question, asked before the chooser opens.
    void LoadObservations();
    // Every load that replaces the observations comes here once the file is
    // known (from the menu, the command line, a drop or the recovery file)
    // and the guard let it; false after telling the user why nothing
    // changed. The report replaced, when no file held it, goes to the trash.
    bool OpenObservationFile(const QString& path);
    void DeleteObservationFiles();  // "気象観測データ削除"

    // "等圧線データ保存"; the correction window saves without the please-wait
    // window. Without a computed grid only the reason is told.
    enum class PleaseWaitShown { Yes, No };
    void SaveIsobars(PleaseWaitShown pleaseWait = PleaseWaitShown::Yes);
    void LoadIsobars();  // "等圧線データ読みこみ"
    // Loads and draws the file as "等圧線データ読みこみ" does once it is chosen.
    bool OpenIsobarFile(const QString& path);
    void DeleteIsobarFiles();  // "等圧線データ削除"

private:
    // A save command: the chooser, the extension, the please-wait window
    // with `caption` (none without one), then the bytes `encode` makes. True
    // when the file was written.
    bool SaveChosen(const QString& title, const QString& pattern, const char* extension,
                    const std::optional<QString>& caption, const std::function<Result<std::string>()>& encode);
    // The file read whole and, when good, put in place of the observations;
    // otherwise the user's text why not, with nothing changed.
    std::optional<std::string> ReplaceObservations(const QString& path);
    std::optional<QString> AskOpenPath(const QString& title, const QString& pattern);

    AppState& state_;
    Prompts& prompts_;
    MapView& map_;
    EntryWindows& entry_;
    ObservationRecovery& recovery_;
    UnsavedGuard& unsaved_;
    FilePrompts files_;
};

}  // namespace isobra
