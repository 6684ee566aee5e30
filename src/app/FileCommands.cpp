#include "app/FileCommands.h"

#include <QFileInfo>

#include "app/EntryWindows.h"
#include "app/MapView.h"
#include "app/ObservationRecovery.h"
#include "app/PleaseWaitScope.h"
#include "app/UnsavedGuard.h"
#include "isobar/IsobarFile.h"
#include "model/FileAccess.h"
#include "model/ObservationFile.h"
#include "state/GridReplacement.h"
#include "state/IsobarFileLoad.h"
#include "state/IsobarLayer.h"
#include "widgets/Prompts.h"
#include "widgets/QImageCanvas.h"
#include "widgets/QtText.h"

namespace isobra {

FileCommands::FileCommands(AppState& state, Prompts& prompts, MapView& map, EntryWindows& entry,
                           ObservationRecovery& recovery, UnsavedGuard& unsaved)
    : state_(state),
      prompts_(prompts),
      map_(map),
      entry_(entry),
      recovery_(recovery),
      unsaved_(unsaved),
      files_(prompts) {}

std::optional<QString> FileCommands::AskOpenPath(const QString& title, const QString& pattern) {
    const std::optional<FileChoice> chosen = prompts_.ChooseFile({title, pattern, FileRequest::Purpose::Open});
    if (!chosen) return std::nullopt;
    return chosen->path;
}

bool FileCommands::SaveChosen(const QString& title, const QString& pattern, const char* extension,
                              const std::optional<QString>& caption,
                              const std::function<Result<std::string>()>& encode) {
    const auto path = files_.AskSavePath(title, pattern, extension);
    if (!path) return false;
    const Status written = [&] {
        std::optional<PleaseWaitScope> wait;
        if (caption) wait.emplace(map_, *caption);
        return FilePrompts::WriteEncoded(*path, encode());
    }();
    return files_.TellIfNotWritten(*path, written);
}

void FileCommands::SaveObservations() {
    const bool saved = SaveChosen(QStringLiteral("観測データ保存"), QStringLiteral("*.dat"), ".DAT",
                                  QStringLiteral("データ保存中"), [this] {
                                      state_.lists.PrepareForSave(state_.observations);
                                      return WriteObservationFile(state_.observations);
                                  });
    if (saved) recovery_.MarkSaved();
}

void FileCommands::LoadObservations() {
    if (!unsaved_.MayReplaceObservations()) return;
    if (const auto chosen = AskOpenPath(QStringLiteral("観測データ読みこみ"), QStringLiteral("*.dat")))
        OpenObservationFile(*chosen);
}

bool FileCommands::OpenObservationFile(const QString& path) {
    const std::optional<std::string> refused = [&] {
        const PleaseWaitScope wait(map_, QStringLiteral("データ読みこみ中！"));
        return ReplaceObservations(path);
    }();
    if (refused) prompts_.Inform(QString::fromUtf8(kProgramTitle), ToQ(*refused), Prompts::Icon::Warning);
    return !refused;
}

std::optional<std::string> FileCommands::ReplaceObservations(const QString& path) {
    const std::string name = ToUtf8(QFileInfo(path).fileName());
    const Result<std::string> bytes = ReadWholeFile(ToUtf8(path));
    if (!bytes) return ReadFailureText(name, bytes.message());
    const Result<ObservationFileData> data = ParseObservationFile(*bytes);
    if (!data) return ReadFailureText(name, data.failure());
    // The whole file is good: now it replaces what is in memory.
    recovery_.SetAsideUnsaved();
    ApplyObservationData(*data, state_);
    entry_.ShowLists();
    recovery_.MarkSaved();
    return std::nullopt;
}

void FileCommands::DeleteObservationFiles() {
    files_.DeleteChosenFiles(QStringLiteral("観測データ削除"), QStringLiteral("*.dat"));
}

void FileCommands::SaveIsobars(PleaseWaitShown pleaseWait) {
    // Start, a load of observations, an entry window and an erase-all leave
    // none: a file of zeros helps no one.
    if (!state_.field.pressureGrid.IsComputed()) {
        prompts_.Inform(QStringLiteral("注　意"),
                        QStringLiteral("等圧線が計算されていません。先に「等圧線の表示」をしてください。"));
        return;
    }
    std::optional<QString> caption;
    if (pleaseWait == PleaseWaitShown::Yes) caption = QStringLiteral("データ保存中!");
    SaveChosen(QStringLiteral("等圧線データ保存"), QStringLiteral("*.cnt"), ".CNT", caption,
               [this] { return WriteIsobarFile(state_.field); });
}

void FileCommands::LoadIsobars() {
    if (const auto chosen = AskOpenPath(QStringLiteral("等圧線データ読みこみ"), QStringLiteral("*.cnt")))
        OpenIsobarFile(*chosen);
}

bool FileCommands::OpenIsobarFile(const QString& path) {
    const Status loaded = [&] {
        const PleaseWaitScope wait(map_, QStringLiteral("データ読みこみ中！"));
        Status read = LoadIsobarFile(ToUtf8(path), state_.observations.stationCount(), state_);
        // Drawn over whatever the canvas shows, without clearing it.
        if (read) DrawIsobarLayer(map_.canvas(), state_);
        return read;
    }();
    if (!loaded) files_.TellNotRead(path, loaded.failure());
    return loaded.ok();
}

void FileCommands::DeleteIsobarFiles() {
    files_.DeleteChosenFiles(QStringLiteral("等圧線データ削除"), QStringLiteral("*.cnt"));
}

}  // namespace isobra
