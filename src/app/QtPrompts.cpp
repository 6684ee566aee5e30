#include "app/QtPrompts.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <algorithm>

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

// A message box as wide as its longest line. QMessageBox wraps a text wider
// than half the screen or 500 pixels, whichever is less, which breaks the
// laid-out lines of the help pages; each time it has sized itself (as it is
// shown, on a layout request) the text is unwrapped again and the box takes
// the size of the whole lines.
class WholeLinesBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    bool event(QEvent* event) override {
        const bool handled = QMessageBox::event(event);
        if (event->type() == QEvent::LayoutRequest) Unwrap();
        return handled;
    }
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        Unwrap();
    }

private:
    void Unwrap() {
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!label || !label->wordWrap()) return;
        label->setWordWrap(false);
        layout()->activate();
        const QSize whole = layout()->totalMinimumSize();
        setFixedSize(std::max(whole.width(), width()), whole.height());
        // Unwrapping asked for a new layout, which would wrap the text again.
        QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
    }
};

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
    auto box = std::make_unique<WholeLinesBox>(shown, title, ForDisplay(text), buttons, parent);
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

std::optional<QString> QtPrompts::InputText(const QString& title, const QString& prompt, const QString& defaultText) {
    bool ok = false;
    QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok) return std::nullopt;
    return text;
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
