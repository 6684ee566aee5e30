// The file commands of the "ファイル" menu: observation files (*.dat) and
// isobar files (*.cnt), each saved, loaded and deleted through the chooser.
// A load reads the whole file before anything in memory changes; a save
// writes a temporary file and renames it, so the old file survives a failure.
#include <QDir>
#include <QFileInfo>

#include "app/MainWindow.h"
#include "widgets/QImageCanvas.h"
#include "isobar/IsobarDrawing.h"
#include "isobar/IsobarFile.h"
#include "model/FileAccess.h"
#include "model/ObservationFile.h"
#include "model/SavePath.h"

namespace isobra {

namespace {

QString FileNameOf(const QString& path) { return QFileInfo(path).fileName(); }

std::string Std(const QString& text) { return text.toStdString(); }

QString ToQ(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

std::optional<QString> MainWindow::AskFile(const QString& title, const QString& pattern,
                                           FileRequest::Purpose purpose, int cancelFlag) {
    state_.fileChooser.cancelFlag = static_cast<std::int16_t>(cancelFlag);
    prompts_.ChooseFile(FileRequest{title, pattern, purpose, false}, state_.fileChooser);
    if (state_.fileChooser.Cancelled()) return std::nullopt;
    return ToQ(state_.fileChooser.chosenPath);
}

std::optional<QString> MainWindow::SaveTarget(const QString& chosen, const char* extension) {
    const auto target = SavePathWithExtension(Std(chosen), extension);
    if (!target) {
        prompts_.Inform(QString::fromUtf8(kProgramTitle),
                        QStringLiteral("「%1」のように「.」で始まる名前では保存できません。別の名前を付けてください。")
                            .arg(FileNameOf(chosen)),
                        Prompts::Icon::Warning);
        return std::nullopt;
    }
    QString path = ToQ(*target);
    // A file whose name differs only in case is the same file to the user:
    // replace it rather than leave a twin beside it.
    const QFileInfo info(path);
    const QDir dir = info.absoluteDir();
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (entry != info.fileName() && entry.compare(info.fileName(), Qt::CaseInsensitive) == 0) {
            path = dir.filePath(entry);
            break;
        }
    }
    return path;
}

bool MainWindow::WriteFile(const QString& path, const Result<std::string>& encoded) {
    std::string reason = encoded ? std::string() : encoded.message();
    if (encoded) {
        const Status saved = SaveFileAtomically(Std(path), *encoded);
        if (saved) return true;
        reason = saved.message();
    }
    HidePleaseWait();
    prompts_.Inform(QString::fromUtf8(kProgramTitle), ToQ(SaveFailureText(Std(FileNameOf(path)), reason)),
                    Prompts::Icon::Warning);
    return false;
}

std::optional<std::string> MainWindow::ReadChosenFile(const QString& path) {
    Result<std::string> file = ReadWholeFile(Std(path));
    if (file) return std::move(*file);
    HidePleaseWait();
    prompts_.Inform(QString::fromUtf8(kProgramTitle), ToQ(ReadFailureText(Std(FileNameOf(path)), file.message())),
                    Prompts::Icon::Warning);
    return std::nullopt;
}

void MainWindow::RefuseFile(const QString& path, const Failure& failure) {
    HidePleaseWait();
    prompts_.Inform(QString::fromUtf8(kProgramTitle), ToQ(ReadFailureText(Std(FileNameOf(path)), failure)),
                    Prompts::Icon::Warning);
}

void MainWindow::DeleteFilesLoop(const QString& title, const QString& pattern) {
    // The chooser comes back after every deletion until the user cancels.
    for (;;) {
        const auto chosen = AskFile(title, pattern, FileRequest::Purpose::Delete, 1);
        if (!chosen) return;
        QFile file(*chosen);
        if (!file.remove()) {
            const QString reason = QFileInfo::exists(*chosen) ? file.errorString()
                                                              : QStringLiteral("ファイルが見つかりません");
            prompts_.Inform(QString::fromUtf8(kProgramTitle),
                            QStringLiteral("「%1」を削除できませんでした（%2）。").arg(FileNameOf(*chosen), reason),
                            Prompts::Icon::Warning);
        }
    }
}

void MainWindow::SaveObservations() {
    const auto chosen = AskFile(QStringLiteral("観測データ保存"), QStringLiteral("*.dat"), FileRequest::Purpose::Save);
    if (!chosen) return;
    const auto path = SaveTarget(*chosen, ".DAT");
    if (!path) return;

    ShowPleaseWait(QStringLiteral("データ保存中"));
    state_.lists.land.TakeStationCount(state_.observations);
    NormaliseForSave(state_.observations);
    if (WriteFile(*path, WriteObservationFile(state_.observations))) HidePleaseWait();
}

void MainWindow::LoadObservations() {
    const auto chosen =
        AskFile(QStringLiteral("観測データ読みこみ"), QStringLiteral("*.dat"), FileRequest::Purpose::Open);
    if (!chosen) return;

    ShowPleaseWait(QStringLiteral("データ読みこみ中！"));
    const auto bytes = ReadChosenFile(*chosen);
    if (!bytes) return;
    const auto parsed = ParseObservationFile(*bytes);
    if (!parsed) {
        RefuseFile(*chosen, parsed.failure());
        return;
    }
    // The whole file is good: now it replaces what is in memory.
    ApplyObservationFile(*parsed, state_.observations, state_.field);
    state_.lists.RebuildFromData(state_.observations);
    ShowEntryLists();
    HidePleaseWait();
}

void MainWindow::DeleteObservationFiles() { DeleteFilesLoop(QStringLiteral("観測データ削除"), QStringLiteral("*.dat")); }

void MainWindow::SaveIsobars() {
    const auto chosen =
        AskFile(QStringLiteral("等圧線データ保存"), QStringLiteral("*.cnt"), FileRequest::Purpose::Save);
    if (!chosen) return;
    const auto path = SaveTarget(*chosen, ".CNT");
    if (!path) return;

    ShowPleaseWait(QStringLiteral("データ保存中!"));
    if (WriteFile(*path, WriteIsobarFile(state_.field))) HidePleaseWait();
}

void MainWindow::LoadIsobars() {
    const auto chosen =
        AskFile(QStringLiteral("等圧線データ読みこみ"), QStringLiteral("*.cnt"), FileRequest::Purpose::Open);
    if (!chosen) return;

    ShowPleaseWait(QStringLiteral("データ読みこみ中！"));
    const auto bytes = ReadChosenFile(*chosen);
    if (!bytes) return;
    const auto parsed = ParseIsobarFile(*bytes, state_.field.grid, state_.observations.stationCount());
    if (!parsed) {
        RefuseFile(*chosen, parsed.failure());
        return;
    }
    if (const Status applied = ApplyIsobarFile(*parsed, state_.observations.stationCount(), state_.field); !applied) {
        RefuseFile(*chosen, applied.failure());
        return;
    }
    // Drawn over whatever the canvas shows, without clearing it.
    DrawIsobars(*canvas_, state_.field, state_.colours.ColorOf(kIsobarColour));
    HidePleaseWait();
}

void MainWindow::DeleteIsobarFiles() { DeleteFilesLoop(QStringLiteral("等圧線データ削除"), QStringLiteral("*.cnt")); }

}  // namespace isobra
