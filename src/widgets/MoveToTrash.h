#pragma once

#include <QString>

#include "model/Result.h"

namespace isobra {

// Deletes a file by moving it to the desktop's trash, so that a file deleted
// by a slip can be brought back: the home trash for a file on the home file
// system, that file system's own trash folder for another. Where no trash
// takes it, the file is deleted outright. The failure's message is the reason
// for the user ("ファイルが見つかりません" and the like).
Status MoveToTrash(const QString& path);

// The home trash ("~/.local/share/Trash" unless the desktop says otherwise).
QString HomeTrashPath();

}  // namespace isobra
