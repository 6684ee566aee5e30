#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Result.h"
#include "model/SavePath.h"

namespace isobra {

class Prompts;

// The file chooser as the commands use it: the file a save writes, the files
// a delete command removes, and the user told why a file was not written or
// not read.
class FilePrompts {
public:
    explicit FilePrompts(Prompts& prompts);

    // The file a save command writes: the chooser, the extension rule, the
    // file whose name differs only in case standing in for it; when that file
    // exists, the question before replacing it, and on No the chooser again
    // with the name still typed. Nothing when the user gave up (or was told
    // why the name cannot be saved). Every save of the windows asks here.
    std::optional<QString> AskSavePath(const QString& title, const QString& pattern, const char* extension);
    // The same for a save of several kinds of file: the patterns offered in
    // the chooser's list and each kind's extension; the kind follows the
    // extension typed, else the pattern picked (the first by default).
    std::optional<SaveChoice> AskSavePath(const QString& title, const QStringList& patterns,
                                          const std::vector<std::string_view>& extensions);

    // The chooser again after every deletion (to the trash) until the user
    // cancels.
    void DeleteChosenFiles(const QString& title, const QString& pattern);

    // Saves the encoded file atomically; the reason phrase when it was not
    // written (or not even encoded).
    static Status WriteEncoded(const QString& path, const Result<std::string>& encoded);
    // True when `written` holds; false after telling the user why not.
    bool TellIfNotWritten(const QString& path, const Status& written);
    // Both at once, for a save that shows no please-wait window.
    bool Write(const QString& path, const Result<std::string>& encoded);

    // Tells the user why the file was not read (a reader's sentence naming
    // the line).
    void TellNotRead(const QString& path, const Failure& failure);

private:
    // The save target for a chosen path, of one of the kinds with these
    // extensions (`picked` when the name does not say), or nothing (after
    // telling the user) when the name cannot be saved.
    std::optional<SaveChoice> SaveTarget(const QString& chosen, const std::vector<std::string_view>& extensions,
                                         int picked);
    void Warn(const std::string& text);

    Prompts& prompts_;
};

}  // namespace isobra
