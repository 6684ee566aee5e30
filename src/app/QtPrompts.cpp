#include "app/QtPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QStyle>

#include "app/FittedMessageBox.h"
#include "app/FrmOpenSave.h"
#include "widgets/Fonts.h"
#include "widgets/QImageCanvas.h"

namespace isobra {

namespace {

QMessageBox::Icon ToQt(Prompts::Icon icon) {
    switch (icon) {
        case Prompts::Icon::None:
            return QMessageBox::NoIcon;
        case Prompts::Icon::Information:
            return QMessageBox::Information;
        case Prompts::Icon::Warning:
        case Prompts::Icon::Exclamation:
            return QMessageBox::Warning;
        case Prompts::Icon::Question:
            return QMessageBox::Question;
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

// QMessageBox gives Escape and the close box as its No button. This notes
// on the box that it was put off so, for the questions where that differs
// from No.
constexpr char kDismissed[] = "isobraDismissed";

class DismissalWatch : public QObject {
public:
    explicit DismissalWatch(QMessageBox& box) : QObject(&box), box_(box) { box.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const bool escape =
            event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Cancel);
        const bool closed = event->type() == QEvent::Close && !box_.clickedButton();
        if (escape || closed) box_.setProperty(kDismissed, true);
        return false;
    }

private:
    QMessageBox& box_;
};

}  // namespace

std::unique_ptr<QMessageBox> QtPrompts::MakeBox(QWidget* parent, const QString& title, const QString& text, Icon icon,
                                                bool yesNo, Answer preferred) {
    const QMessageBox::Icon shown = ToQt(icon);
    const QMessageBox::StandardButtons buttons = yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok;
    auto box = std::make_unique<FittedMessageBox>(shown, title, ForDisplay(text), buttons, parent);
    box->setFont(GothicFont(14));
    if (yesNo) {
        box->setDefaultButton(preferred == Answer::No ? QMessageBox::No : QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
        new DismissalWatch(*box);
    }
    return box;
}

Prompts::Reply QtPrompts::ReplyOf(const QMessageBox& box) {
    if (box.property(kDismissed).toBool()) return Reply::Dismissed;
    return box.result() == QMessageBox::Yes ? Reply::Yes : Reply::No;
}

void QtPrompts::Inform(const QString& title, const QString& text, Icon icon) {
    MakeBox(parent_, title, text, icon, false, Answer::Yes)->exec();
}

bool QtPrompts::AskYesNo(const QString& title, const QString& text, Answer preferred, Icon icon) {
    return MakeBox(parent_, title, text, icon, true, preferred)->exec() == QMessageBox::Yes;
}

Prompts::Reply QtPrompts::AskYesNoOrDismiss(const QString& title, const QString& text, Answer preferred, Icon icon) {
    const auto box = MakeBox(parent_, title, text, icon, true, preferred);
    box->exec();
    return ReplyOf(*box);
}

std::unique_ptr<QInputDialog> QtPrompts::MakeInputBox(QWidget* parent, const QString& title, const QString& prompt,
                                                      const QString& defaultText) {
    auto box = std::make_unique<QInputDialog>(parent);
    box->setWindowTitle(title);
    box->setLabelText(ForDisplay(prompt));
    box->setTextValue(defaultText);
    // Wide enough for the whole title beside the frame's buttons, measured
    // as QMessageBox measures its own. The dialog takes its least width from
    // its layout, so the prompt's label carries it.
    const QFontMetrics titleFont(QApplication::font("QMdiSubWindowTitleBar"));
    const int margins = box->style()->pixelMetric(QStyle::PM_LayoutLeftMargin) +
                        box->style()->pixelMetric(QStyle::PM_LayoutRightMargin);
    if (auto* label = box->findChild<QLabel*>())
        label->setMinimumWidth(titleFont.horizontalAdvance(title) + kTitleBarButtons - margins);
    return box;
}

std::optional<QString> QtPrompts::InputText(const QString& title, const QString& prompt, const QString& defaultText) {
    const auto box = MakeInputBox(parent_, title, prompt, defaultText);
    if (box->exec() != QDialog::Accepted) return std::nullopt;
    return box->textValue();
}

std::optional<FileChoice> QtPrompts::ChooseFile(const FileRequest& request) {
    FrmOpenSave dialog(*this, parent_);
    dialog.Prepare(request);
    dialog.exec();
    return dialog.choice();
}

std::optional<Colour> QtPrompts::PickColour(const QString& title, Colour initial) {
    const QColor picked = QColorDialog::getColor(QImageCanvas::ToQColor(initial), parent_, title);
    if (!picked.isValid()) return std::nullopt;
    return QImageCanvas::FromQColor(picked);
}

bool QtPrompts::ChoosePrinter(const QString& title, QPrinter& printer) {
    // Qt's own dialog; its texts are Japanese through the translation loaded at start.
    QPrintDialog dialog(&printer, parent_);
    dialog.setWindowTitle(title);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace isobra
