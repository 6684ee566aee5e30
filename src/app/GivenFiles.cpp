#include "app/GivenFiles.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

#include "app/FileCommands.h"
#include "app/SatelliteCommands.h"
#include "app/UnsavedGuard.h"
#include "model/ObservationSignature.h"

namespace isobra {

namespace {

bool HasSuffix(const QString& path, const char* suffix) {
    return QFileInfo(path).suffix().compare(QLatin1String(suffix), Qt::CaseInsensitive) == 0;
}

}  // namespace

GivenFiles::GivenFiles(FileCommands& files, SatelliteCommands& satellite, UnsavedGuard& unsaved,
                       std::function<bool()> busy)
    : files_(files), satellite_(satellite), unsaved_(unsaved), busy_(std::move(busy)) {}

QStringList GivenFiles::FromArguments(int argc, char** argv) {
    QStringList files;
    for (int i = 1; i < argc; ++i) files << QFile::decodeName(argv[i]);
    return files;
}

void GivenFiles::Open(const QStringList& paths) {
    std::optional<bool> replace;  // asked at the first observation file
    for (const QString& given : paths) {
        if (busy_()) return;
        const QString path = QFileInfo(given).absoluteFilePath();
        if (HasSuffix(path, "cnt")) {
            files_.OpenIsobarFile(path);
        } else if (HasSuffix(path, "dat") || StartsLikeObservationFile(QFile::encodeName(path).toStdString())) {
            if (!replace) replace = unsaved_.MayReplaceObservations();
            if (*replace) files_.OpenObservationFile(path);
        } else {
            satellite_.OpenPicture(path);
        }
    }
}

}  // namespace isobra
