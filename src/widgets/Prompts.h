#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "model/Colour.h"

class QPrinter;

namespace isobra {

// What a command asks of the file chooser.
struct FileRequest {
    enum class Purpose { Open, Save, Delete };
    QString title;    // "観測データ保存" and so on
    QString pattern;  // "*.dat", "*.cnt", ...
    Purpose purpose = Purpose::Open;
    bool showOptions = false;         // the three image-format options
    QString initialName;              // the name box's text as the chooser opens (empty: a fresh start)
    QStringList optionCaptions = {};  // their captions, top to bottom
    // Several patterns to pick from in a list ("*.png", "*.svg", ...); the
    // one shown first is `pattern`.
    QStringList patternChoices = {};
};

// What the user chose in the file chooser.
struct FileChoice {
    QString path;
    int pattern = 0;  // of the request's patternChoices, counted from 0 (0 where none were offered)
    int option = 0;   // of the three image-format options, counted from 0 (0 where none were shown)
};

// Every message box and input box goes through this interface, so tests can
// answer them with scripted replies instead of a modal loop.
class Prompts {
public:
    enum class Icon { None, Information, Warning, Exclamation, Question };
    enum class Answer { Yes, No };
    // Of a question that may be left unanswered.
    enum class Reply { Yes, No, Dismissed };

    virtual ~Prompts() = default;

    // A message box with an OK button.
    virtual void Inform(const QString& title, const QString& text, Icon icon = Icon::Exclamation) = 0;
    // A Yes/No message box; true for Yes. Return gives `preferred`; Escape
    // always answers No.
    virtual bool AskYesNo(const QString& title, const QString& text, Answer preferred = Answer::Yes,
                          Icon icon = Icon::Question) = 0;
    // A Yes/No message box the user may also put off: Return gives
    // `preferred`; Escape and the close box give Dismissed.
    virtual Reply AskYesNoOrDismiss(const QString& title, const QString& text, Answer preferred = Answer::Yes,
                                    Icon icon = Icon::Question) = 0;
    // An input box; the typed text, or nothing on cancel.
    virtual std::optional<QString> InputText(const QString& title, const QString& prompt,
                                             const QString& defaultText) = 0;
    // The modal file chooser; nothing on cancel.
    virtual std::optional<FileChoice> ChooseFile(const FileRequest& request) = 0;
    // The platform's colour picker, starting at `initial`; the colour
    // picked, or nothing on cancel.
    virtual std::optional<Colour> PickColour(const QString& title, Colour initial) = 0;
    // The platform's print dialog, which sets up `printer`; true when the
    // user chose to print.
    virtual bool ChoosePrinter(const QString& title, QPrinter& printer) = 0;
};

// The default title of the program's message boxes.
inline const char* const kProgramTitle = "Isobra";

}  // namespace isobra
