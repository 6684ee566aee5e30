#pragma once

#include <QStringList>
#include <functional>

namespace isobra {

class FileCommands;
class SatelliteCommands;
class UnsavedGuard;

// Files given to the program from outside: named on the command line or
// dropped on its window. Each opens as its menu command opens it, chosen by
// its extension: ".dat" observations, ".cnt" isobars (drawn), anything else
// a picture for the background unless its first line is an observation
// file's (the desktop knows them by that line, whatever their names). One
// that cannot be read is named as the command names it, and the next is
// opened all the same. Unsaved observations are replaced only after the
// guard's question, asked once for all the observation files given together;
// No opens the others alone.
class GivenFiles {
public:
    // `busy`: while it holds (a show), nothing more is opened.
    GivenFiles(FileCommands& files, SatelliteCommands& satellite, UnsavedGuard& unsaved, std::function<bool()> busy);

    // The files named on the command line, as the system's bytes.
    static QStringList FromArguments(int argc, char** argv);

    void Open(const QStringList& paths);

private:
    FileCommands& files_;
    SatelliteCommands& satellite_;
    UnsavedGuard& unsaved_;
    std::function<bool()> busy_;
};

}  // namespace isobra
