#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "model/Result.h"

namespace isobra {

// What the practice window asks of the rest of the program: the
// observations it replaces and the files it saves.
class PracticeHost {
public:
    virtual ~PracticeHost() = default;

    // Whether the observations in memory may be replaced: they stand in a
    // file, there are none, or the user agrees to lose them.
    virtual bool MayReplaceObservations() = 0;
    // The entry lists emptied as "消えますよｏｋ？" empties them, their
    // stations those of the report about to be read.
    virtual void EmptyObservations(const std::vector<std::string>& stationNames) = 0;

    // The file a save writes, through the chooser (asking before replacing
    // one); nothing when the user gave up.
    virtual std::optional<QString> AskSavePath(const QString& title, const QString& pattern, const char* extension) = 0;
    // Saves the bytes atomically; false after telling the user why not.
    virtual bool WriteFile(const QString& path, const Result<std::string>& bytes) = 0;
};

}  // namespace isobra
