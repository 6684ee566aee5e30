#include "widgets/MoveToTrash.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "widgets/QtText.h"

namespace isobra {

namespace {

// Qt 6.4 makes the trash's "files" and "info" folders with a plain mkdir
// inside the user's data folder; when that folder does not exist yet (a new
// account), it reports success with the two folders made in the current
// directory instead, the user's observation folder. Made first, they are
// where it looks.
void MakeHomeTrash() {
    const QString trash = HomeTrashPath();
    if (trash.isEmpty()) return;
    const QFileDevice::Permissions ownerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    const bool fresh = !QFileInfo::exists(trash);
    for (const char* sub : {"files", "info"}) QDir().mkpath(trash + QLatin1Char('/') + QLatin1String(sub));
    if (fresh) QFile::setPermissions(trash, ownerOnly);
}

}  // namespace

QString HomeTrashPath() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/Trash");
}

Status MoveToTrash(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) return Status::Fail("ファイルが見つかりません");
    MakeHomeTrash();
    if (QFile::moveToTrash(path)) return {};
    QFile file(path);
    if (file.remove()) return {};
    return Status::Fail(ToUtf8(file.errorString()));
}

}  // namespace isobra
