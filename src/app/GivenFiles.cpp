#include "app/GivenFiles.h"

#include <QFile>
#include <QFileInfo>

#include "app/FileCommands.h"
#include "app/SatelliteCommands.h"
#include "model/ObservationSignature.h"

namespace isobra {

GivenFiles::GivenFiles(FileCommands& files, SatelliteCommands& satellite, std::function<bool()> busy)
    : files_(files), satellite_(satellite), busy_(std::move(busy)) {}

QStringList GivenFiles::FromArguments(int argc, char** argv) {
    QStringList files;
    for (int i = 1; i < argc; ++i) files << QFile::decodeName(argv[i]);
    return files;
}

void GivenFiles::Open(const QStringList& paths) {
    for (const QString& given : paths) {
        if (busy_()) return;
        const QString path = QFileInfo(given).absoluteFilePath();
        const QString suffix = QFileInfo(path).suffix();
        if (suffix.compare(QStringLiteral("dat"), Qt::CaseInsensitive) == 0)
            files_.OpenObservationFile(path);
        else if (suffix.compare(QStringLiteral("cnt"), Qt::CaseInsensitive) == 0)
            files_.OpenIsobarFile(path);
        else if (StartsLikeObservationFile(QFile::encodeName(path).toStdString()))
            files_.OpenObservationFile(path);
        else
            satellite_.OpenPicture(path);
    }
}

}  // namespace isobra
