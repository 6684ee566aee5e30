#include "app/FilePrompts.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "model/FileAccess.h"
#include "widgets/MoveToTrash.h"
#include "widgets/Prompts.h"
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

FilePrompts::FilePrompts(Prompts& prompts) : prompts_(prompts) {}

std::optional<SaveChoice> FilePrompts::SaveTarget(const QString& chosen,
                                                  const std::vector<std::string_view>& extensions, int picked) {
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

std::optional<QString> FilePrompts::AskSavePath(const QString& title, const QString& pattern, const char* extension) {
    const auto target = AskSavePath(title, QStringList{pattern}, std::vector<std::string_view>{extension});
    if (!target) return std::nullopt;
    return ToQ(target->path);
}

std::optional<SaveChoice> FilePrompts::AskSavePath(const QString& title, const QStringList& patterns,
                                                   const std::vector<std::string_view>& extensions) {
    FileRequest request{title, patterns.value(0), FileRequest::Purpose::Save};
    if (patterns.size() > 1) request.patternChoices = patterns;
    for (;;) {
        const std::optional<FileChoice> chosen = prompts_.ChooseFile(request);
        if (!chosen) return std::nullopt;
        const auto target = SaveTarget(chosen->path, extensions, chosen->pattern);
        if (!target) return std::nullopt;
        // A folder in the way is no file to replace: the save itself says why it cannot.
        const QFileInfo file(ToQ(target->path));
        if (!file.exists() || file.isDir()) return target;
        if (prompts_.AskYesNo(title, QStringLiteral("「%1」はすでにあります。置きかえますか？").arg(file.fileName()),
                              Prompts::Answer::No))
            return target;
        // The chooser again, as the user left it.
        request.initialName = NameToRetype(chosen->path);
        request.pattern = patterns.value(chosen->pattern);
    }
}

void FilePrompts::DeleteChosenFiles(const QString& title, const QString& pattern) {
    for (;;) {
        const std::optional<FileChoice> chosen = prompts_.ChooseFile({title, pattern, FileRequest::Purpose::Delete});
        if (!chosen) return;
        // To the trash, so a slip can be undone.
        if (const Status trashed = MoveToTrash(chosen->path); !trashed) {
            prompts_.Inform(QString::fromUtf8(kProgramTitle),
                            QStringLiteral("「%1」を削除できませんでした（%2）。")
                                .arg(FileNameOf(chosen->path), ToQ(trashed.message())),
                            Prompts::Icon::Warning);
        }
    }
}

Status FilePrompts::WriteEncoded(const QString& path, const Result<std::string>& encoded) {
    if (!encoded) return Status::Fail(encoded.message());
    return SaveFileAtomically(ToUtf8(path), *encoded);
}

bool FilePrompts::TellIfNotWritten(const QString& path, const Status& written) {
    if (written) return true;
    Warn(SaveFailureText(ToUtf8(FileNameOf(path)), written.message()));
    return false;
}

bool FilePrompts::Write(const QString& path, const Result<std::string>& encoded) {
    return TellIfNotWritten(path, WriteEncoded(path, encoded));
}

void FilePrompts::TellNotRead(const QString& path, const Failure& failure) {
    Warn(ReadFailureText(ToUtf8(FileNameOf(path)), failure));
}

void FilePrompts::Warn(const std::string& text) {
    prompts_.Inform(QString::fromUtf8(kProgramTitle), ToQ(text), Prompts::Icon::Warning);
}

}  // namespace isobra
