#pragma once

#include <memory>

#include "widgets/Prompts.h"

class QInputDialog;
class QMessageBox;
class QWidget;

namespace isobra {

// The real thing: Qt message boxes over `parent`.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Inform(const QString& title, const QString& text, Icon icon) override;
    bool AskYesNo(const QString& title, const QString& text, Answer preferred = Answer::Yes,
                  Icon icon = Icon::Question) override;
    Reply AskYesNoOrDismiss(const QString& title, const QString& text, Answer preferred = Answer::Yes,
                            Icon icon = Icon::Question) override;
    std::optional<QString> InputText(const QString& title, const QString& prompt, const QString& defaultText) override;
    std::optional<FileChoice> ChooseFile(const FileRequest& request) override;
    std::optional<Colour> PickColour(const QString& title, Colour initial) override;
    bool ChoosePrinter(const QString& title, QPrinter& printer) override;

    // The box Inform (yesNo false) or AskYesNo shows: as wide as the text's
    // longest line where the screen allows (FittedMessageBox).
    static std::unique_ptr<QMessageBox> MakeBox(QWidget* parent, const QString& title, const QString& text, Icon icon,
                                                bool yesNo, Answer preferred);
    // How a Yes/No box from MakeBox was closed.
    static Reply ReplyOf(const QMessageBox& box);
    // The box InputText shows, wide enough to show its title whole.
    static std::unique_ptr<QInputDialog> MakeInputBox(QWidget* parent, const QString& title, const QString& prompt,
                                                      const QString& defaultText);
    // Room in a title bar for the window's icon and its buttons, in pixels.
    static constexpr int kTitleBarButtons = 120;

private:
    QWidget* parent_;
};

}  // namespace isobra
