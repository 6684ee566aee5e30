#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace isobra {

struct FileChooserState;

// What a command asks of the file chooser.
struct FileRequest {
    enum class Purpose { Open, Save, Delete };
    QString title;    // "観測データ保存" and so on; three titles mark a save dialog
    QString pattern;  // "*.dat", "*.cnt", ...
    Purpose purpose = Purpose::Open;
    bool showOptions = false;  // the three image-format options
};

// Every message box and input box goes through this interface, so tests can
// answer them with scripted replies instead of a modal loop.
class Prompts {
public:
    enum class Icon { None, Information, Warning, Exclamation };

    virtual ~Prompts() = default;

    // A message box with an OK button.
    virtual void Inform(const QString& title, const QString& text, Icon icon = Icon::Exclamation) = 0;
    // A Yes/No message box; true for Yes.
    virtual bool AskYesNo(const QString& title, const QString& text) = 0;
    // An input box; the typed text, or nothing on cancel.
    virtual std::optional<QString> InputText(const QString& title, const QString& prompt,
                                             const QString& defaultText) = 0;
    // The modal file chooser. On accept it writes chooser.chosenPath; on
    // cancel it sets chooser.cancelFlag to -1 and leaves the path alone.
    virtual void ChooseFile(const FileRequest& request, FileChooserState& chooser) = 0;
};

// The real thing: Qt message boxes over `parent`.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Inform(const QString& title, const QString& text, Icon icon) override;
    bool AskYesNo(const QString& title, const QString& text) override;
    std::optional<QString> InputText(const QString& title, const QString& prompt,
                                     const QString& defaultText) override;
    void ChooseFile(const FileRequest& request, FileChooserState& chooser) override;

private:
    QWidget* parent_;
};

// The default title of the program's message boxes.
inline const char* const kProgramTitle = "Isobra";

}  // namespace isobra
