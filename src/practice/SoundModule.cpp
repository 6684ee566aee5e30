#include "practice/SoundModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <utility>

#include "practice/SoundKit.h"
#include "widgets/QtText.h"

namespace isobra {

namespace {

// Beside the program (the build folder), then where an installation puts it
// (a folder of its own under lib, given relative to the program's).
QString ModuleFile() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString beside = programDir.filePath(QStringLiteral(ISOBRA_SOUND_FILE));
    const QString installed =
        QDir::cleanPath(programDir.filePath(QStringLiteral(ISOBRA_SOUND_INSTALLED "/" ISOBRA_SOUND_FILE)));
    return !QFileInfo::exists(beside) && QFileInfo::exists(installed) ? installed : beside;
}

}  // namespace

SoundModule::SoundModule() = default;

SoundModule::SoundModule(QString file) : file_(std::move(file)) {}

Result<SoundKit*> SoundModule::Kit() {
    if (kit_) return kit_;
    const QString file = file_.isEmpty() ? ModuleFile() : file_;
    const QString lead = QStringLiteral("読み上げに使う部品「%1」").arg(QDir::toNativeSeparators(file));
    if (!QFileInfo::exists(file)) {
        return Result<SoundKit*>::Fail(
            ToUtf8(lead + QStringLiteral("が見つからないため、聞き取りの練習を始められません。")));
    }
    // Not unloaded when `library` goes: a loaded module stays for the process.
    QLibrary library(file);
    if (!library.load()) {
        return Result<SoundKit*>::Fail(ToUtf8(
            lead +
            QStringLiteral("を読み込めないため、聞き取りの練習を始められません（%1）。").arg(library.errorString())));
    }
    const auto entry = reinterpret_cast<SoundKitEntry>(library.resolve(kSoundKitEntry));
    SoundKit* kit = entry ? entry(kSoundKitVersion) : nullptr;
    if (!kit) {
        return Result<SoundKit*>::Fail(
            ToUtf8(lead + QStringLiteral("がこのプログラムの版と合わないため、聞き取りの練習を始められません。")));
    }
    kit_ = kit;
    return kit_;
}

}  // namespace isobra
