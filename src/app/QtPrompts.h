#pragma once

#include <memory>

#include "widgets/Prompts.h"

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
    // longest line, so no line is broken.
    static std::unique_ptr<QMessageBox> MakeBox(QWidget* parent, const QString& title, const QString& text, Icon icon,
                                                bool yesNo, Answer preferred);
    // How a Yes/No box from MakeBox was closed.
    static Reply ReplyOf(const QMessageBox& box);

private:
    QWidget* parent_;
};

}  // namespace isobra
