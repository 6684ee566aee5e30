#pragma once

#include "widgets/Prompts.h"

class QWidget;

namespace isobra {

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
    std::optional<Colour> PickColour(const QString& title, Colour initial) override;

private:
    QWidget* parent_;
};

}  // namespace isobra
