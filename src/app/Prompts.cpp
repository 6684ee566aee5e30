#include "app/Prompts.h"

#include <QInputDialog>
#include <QMessageBox>

namespace isobra {

namespace {

QMessageBox::Icon ToQt(Prompts::Icon icon) {
    switch (icon) {
        case Prompts::Icon::None: return QMessageBox::NoIcon;
        case Prompts::Icon::Information: return QMessageBox::Information;
        case Prompts::Icon::Warning:
        case Prompts::Icon::Exclamation: return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtPrompts::Inform(const QString& title, const QString& text, Icon icon) {
    QMessageBox box(ToQt(icon), title, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool QtPrompts::AskYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPrompts::InputText(const QString& title, const QString& prompt,
                                            const QString& defaultText) {
    bool ok = false;
    QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok) return std::nullopt;
    return text;
}

}  // namespace isobra
