// The file commands of the "ファイル" menu: observation files (*.dat) and
// isobar files (*.cnt), each saved, loaded and deleted through the chooser.
// A load reads the whole file before anything in memory changes; a save
// writes a temporary file and renames it, so the old file survives a failure.
// Files named on the command line or dropped on the window open as these
// commands open them.
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

#include "app/FileDropList.h"
#include "app/MainWindow.h"
#include "isobar/IsobarFile.h"
#include "model/FileAccess.h"
#include "model/ObservationFile.h"
#include "model/SavePath.h"
#include "state/GridReplacement.h"
#include "state/IsobarFileLoad.h"
#include "state/IsobarLayer.h"
#include "widgets/MoveToTrash.h"
#include "widgets/QImageCanvas.h"
#include "widgets/QtText.h"

namespace isobra {

namespace {

QString FileNameOf(const QString& path) { return QFileInfo(path).fileName(); }

// A chosen name as the chooser shows it again: bare when it lies in the
// directory the chooser opens in, else as it was given.
QString NameToRetype(const QString& chosen) {
    const QFileInfo info(chosen);
    if (!info.isRelative() && QDir(info.absolutePath()) == QDir::current()) return info.fileName();
    return chosen;
}

}  // namespace

std::optional<QString> MainWindow::AskFile(const QString& title, const QString& pattern, FileRequest::Purpose purpose,
                                           const QString& initialName) {
    return AskFile(FileRequest{title, pattern, purpose, false, initialName});
}

std::optional<QString> MainWindow::AskFile(const FileRequest& request) {
    return isobra::AskFile(prompts_, state_.fileChooser, request);
}

std::optional<SaveChoice> MainWindow::SaveTarget(const QString& chosen, const std::vector<std::string_view>& extensions,
                                                 int picked) {
    auto target = SavePathForKinds(ToUtf8(chosen), extensions, static_cast<std::size_t>(std::max(0, picked)));
    if (!target) {
        prompts_.Inform(QString::fromUtf8(kProgramTitle),
                        QStringLiteral("「%1」のように「.」で始まる名前では保存できません。別の名前を付けてください。")
                            .arg(FileNameOf(chosen)),
                        Prompts::Icon::Warning);
        return std::nullopt;
    }
    // A file whose name differs only in case is the same file to the user:
    // replace it rather than leave a twin beside it.
    const QFileInfo info(ToQ(target->path));
    const QDir dir = info.absoluteDir();
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (entry != info.fileName() && entry.compare(info.fileName(), Qt::CaseInsensitive) == 0) {
            target->path = ToUtf8(dir.filePath(entry));
            break;
        }
    }
    return target;
}

std::optional<QString> MainWindow::AskSavePath(const QString& title, const QString& pattern, const char* extension) {
    const auto target = AskSavePath(title, QStringList{pattern}, std::vector<std::string_view>{extension});
    if (!target) return std::nullopt;
    return ToQ(target->path);
}

std::optional<SaveChoice> MainWindow::AskSavePath(const QString& title, const QStringList& patterns,
                                                  const std::vector<std::string_view>& extensions) {
    FileRequest request{title, patterns.value(0), FileRequest::Purpose::Save};
    if (patterns.size() > 1) request.patternChoices = patterns;
    for (;;) {
        const auto chosen = AskFile(request);
        if (!chosen) return std::nullopt;
        const int picked = patterns.size() > 1 ? state_.fileChooser.chosenPattern : 0;
        const auto target = SaveTarget(*chosen, extensions, picked);
        if (!target) return std::nullopt;
        // A folder in the way is no file to replace: the save itself says why it cannot.
        const QFileInfo file(ToQ(target->path));
        if (!file.exists() || file.isDir()) return target;
        if (prompts_.AskYesNo(title, QStringLiteral("「%1」はすでにあります。置きかえますか？").arg(file.fileName()),
                              Prompts::Answer::No))
            return target;
        // The chooser again, as the user left it.
        request.initialName = NameToRetype(*chosen);
        request.pattern = patterns.value(picked);
    }
}

bool MainWindow::WriteFile(const QString& path, const Result<std::string>& encoded) {
    std::string reason = encoded ? std::string() : encoded.message();
    if (encoded) {
        const Status saved = SaveFileAtomically(ToUtf8(path), *encoded);
        if (saved) return true;
        reason = saved.message();
    }
    HidePleaseWait();
    prompts_.Inform(QString::fromUtf8(kProgramTitle), ToQ(SaveFailureText(ToUtf8(FileNameOf(path)), reason)),
                    Prompts::Icon::Warning);
    return false;
}

void MainWindow::RefuseFile(const QString& path, const Failure& failure) {
    HidePleaseWait();
    prompts_.Inform(QString::fromUtf8(kProgramTitle), ToQ(ReadFailureText(ToUtf8(FileNameOf(path)), failure)),
                    Prompts::Icon::Warning);
}

void MainWindow::DeleteFilesLoop(const QString& title, const QString& pattern) {
    // The chooser comes back after every deletion until the user cancels.
    for (;;) {
        const auto chosen = AskFile(title, pattern, FileRequest::Purpose::Delete);
        if (!chosen) return;
        // To the trash, so a slip can be undone.
        if (const Status trashed = MoveToTrash(*chosen); !trashed) {
            prompts_.Inform(
                QString::fromUtf8(kProgramTitle),
                QStringLiteral("「%1」を削除できませんでした（%2）。").arg(FileNameOf(*chosen), ToQ(trashed.message())),
                Prompts::Icon::Warning);
        }
    }
}

bool MainWindow::SaveChosen(const QString& title, const QString& pattern, const char* extension, const QString& caption,
                            const std::function<Result<std::string>()>& encode) {
    const auto path = AskSavePath(title, pattern, extension);
    if (!path) return false;

    if (!caption.isEmpty()) ShowPleaseWait(caption);
    if (!WriteFile(*path, encode())) return false;
    HidePleaseWait();
    return true;
}

void MainWindow::SaveObservations() {
    const bool saved = SaveChosen(QStringLiteral("観測データ保存"), QStringLiteral("*.dat"), ".DAT",
                                  QStringLiteral("データ保存中"), [this] {
                                      state_.lists.PrepareForSave(state_.observations);
                                      return WriteObservationFile(state_.observations);
                                  });
    if (saved) MarkObservationsClean();
}

void MainWindow::LoadObservations() {
    if (const auto chosen =
            AskFile(QStringLiteral("観測データ読みこみ"), QStringLiteral("*.dat"), FileRequest::Purpose::Open))
        OpenObservationFile(*chosen);
}

bool MainWindow::OpenObservationFile(const QString& path) {
    ShowPleaseWait(QStringLiteral("データ読みこみ中！"));
    const Result<std::string> bytes = ReadWholeFile(ToUtf8(path));
    if (!bytes) {
        HidePleaseWait();
        prompts_.Inform(QString::fromUtf8(kProgramTitle),
                        ToQ(ReadFailureText(ToUtf8(FileNameOf(path)), bytes.message())), Prompts::Icon::Warning);
        return false;
    }
    const Result<ObservationFileData> data = ParseObservationFile(*bytes);
    if (!data) {
        RefuseFile(path, data.failure());
        return false;
    }
    // The whole file is good: now it replaces what is in memory.
    ApplyObservationData(*data, state_);
    ShowEntryLists();
    MarkObservationsClean();
    HidePleaseWait();
    return true;
}

void MainWindow::DeleteObservationFiles() {
    DeleteFilesLoop(QStringLiteral("観測データ削除"), QStringLiteral("*.dat"));
}

void MainWindow::SaveIsobars(PleaseWaitShown pleaseWait) {
    const QString caption = pleaseWait == PleaseWaitShown::Yes ? QStringLiteral("データ保存中!") : QString();
    SaveChosen(QStringLiteral("等圧線データ保存"), QStringLiteral("*.cnt"), ".CNT", caption,
               [this] { return WriteIsobarFile(state_.field); });
}

void MainWindow::LoadIsobars() {
    if (const auto chosen =
            AskFile(QStringLiteral("等圧線データ読みこみ"), QStringLiteral("*.cnt"), FileRequest::Purpose::Open))
        OpenIsobarFile(*chosen);
}

bool MainWindow::OpenIsobarFile(const QString& path) {
    ShowPleaseWait(QStringLiteral("データ読みこみ中！"));
    if (const Status loaded = LoadIsobarFile(ToUtf8(path), state_.observations.stationCount(), state_); !loaded) {
        RefuseFile(path, loaded.failure());
        return false;
    }
    // Drawn over whatever the canvas shows, without clearing it.
    DrawIsobarLayer(*canvas_, state_);
    HidePleaseWait();
    return true;
}

QStringList MainWindow::FileArguments(int argc, char** argv) {
    QStringList files;
    for (int i = 1; i < argc; ++i) files << QFile::decodeName(argv[i]);
    return files;
}

void MainWindow::OpenFiles(const QStringList& paths) {
    for (const QString& given : paths) {
        if (ShowRunning()) return;  // the show does not share the map
        const QString path = QFileInfo(given).absoluteFilePath();
        const QString suffix = QFileInfo(path).suffix();
        if (suffix.compare(QStringLiteral("dat"), Qt::CaseInsensitive) == 0)
            OpenObservationFile(path);
        else if (suffix.compare(QStringLiteral("cnt"), Qt::CaseInsensitive) == 0)
            OpenIsobarFile(path);
        else
            OpenPicture(path);
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (ShowRunning() || FileDropList::LocalFiles(event->mimeData()).isEmpty()) return;
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QStringList paths = FileDropList::LocalFiles(event->mimeData());
    if (paths.isEmpty()) return;
    event->acceptProposedAction();
    // After the drop has ended, so the messages do not hold up the other program.
    QMetaObject::invokeMethod(
        this, [this, paths] { OpenFiles(paths); }, Qt::QueuedConnection);
}

void MainWindow::DeleteIsobarFiles() { DeleteFilesLoop(QStringLiteral("等圧線データ削除"), QStringLiteral("*.cnt")); }

}  // namespace isobra
