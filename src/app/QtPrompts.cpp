#include "app/QtPrompts.h"

#include <QColorDialog>
#include <QInputDialog>
#include <QMessageBox>

#include "widgets/Fonts.h"
#include "app/FrmOpenSave.h"
#include "widgets/QImageCanvas.h"

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

// The texts are laid out with CR LF line ends for a fixed-pitch font; the
// box shows them as plain lines.
QString ForDisplay(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

}  // namespace

void QtPrompts::Inform(const QString& title, const QString& text, Icon icon) {
    QMessageBox box(ToQt(icon), title, ForDisplay(text), QMessageBox::Ok, parent_);
    box.setFont(GothicFont(14));
    box.exec();
}

bool QtPrompts::AskYesNo(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Question, title, ForDisplay(text), QMessageBox::Yes | QMessageBox::No, parent_);
    box.setFont(GothicFont(14));
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPrompts::InputText(const QString& title, const QString& prompt,
                                            const QString& defaultText) {
    bool ok = false;
    QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok) return std::nullopt;
    return text;
}

void QtPrompts::ChooseFile(const FileRequest& request, FileChooserState& chooser) {
    FrmOpenSave dialog(*this, chooser, parent_);
    dialog.Prepare(request);
    dialog.exec();
}

std::optional<Colour> QtPrompts::PickColour(const QString& title, Colour initial) {
    const QColor picked = QColorDialog::getColor(QImageCanvas::ToQColor(initial), parent_, title);
    if (!picked.isValid()) return std::nullopt;
    return QImageCanvas::FromQColor(picked);
}

}  // namespace isobra
