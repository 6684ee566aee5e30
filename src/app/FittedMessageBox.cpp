#include "app/FittedMessageBox.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QShowEvent>
#include <QStringList>
#include <algorithm>

namespace isobra {

namespace {

// Before the window manager has framed the box its frame is unknown: at
// least this much is kept free.
constexpr int kLeastFrame = 8;

bool IsOpening(QChar c) { return QStringLiteral("（「『【〔［([{").contains(c); }
bool IsClosing(QChar c) { return QStringLiteral("、。，．）」』】〕］！？・ー)]},.!?:;").contains(c); }

// May a line end between text[at - 1] and text[at]?
bool CanBreakBefore(const QString& text, qsizetype at) {
    const QChar before = text[at - 1];
    const QChar after = text[at];
    if (after.isLowSurrogate() || IsClosing(after) || IsOpening(before)) return false;
    if (before == QLatin1Char('/') || before.isSpace()) return true;
    return before.unicode() > 0x7F || after.unicode() > 0x7F;
}

// Inside a path, the place after its last "/" before `fit`; 0 elsewhere.
qsizetype PathBreak(const QString& line, qsizetype fit) {
    for (qsizetype at = fit; at > 0; --at) {
        const QChar c = line[at - 1];
        if (c == QLatin1Char('/')) return at;
        if (c.isSpace() || QStringLiteral("「」『』（）()").contains(c)) return 0;  // where a quoted path ends
    }
    return 0;
}

// After the last "。", "、" or closing bracket in the second half of the
// line up to `fit`, so that a sentence or clause ends the line; 0 if none.
qsizetype PhraseBreak(const QString& line, qsizetype fit) {
    for (qsizetype at = fit; at > fit / 2; --at)
        if (QStringLiteral("。、」）").contains(line[at - 1]) && !IsClosing(line[at])) return at;
    return 0;
}

// The longest start of `line` (at least one character) that fits.
qsizetype FittingLength(const QString& line, const QFontMetrics& metrics, int width) {
    qsizetype fit = 1;
    while (fit < line.size() && metrics.horizontalAdvance(line.left(fit + 1)) <= width) ++fit;
    if (fit < line.size() && line[fit].isLowSurrogate() && fit > 1) --fit;
    return fit;
}

}  // namespace

FittedMessageBox::FittedMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
                                   QWidget* parent)
    : QMessageBox(icon, title, text, buttons, parent), text_(text) {}

QString FittedMessageBox::BreakLines(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList out;
    for (QString rest : text.split(QLatin1Char('\n'))) {
        while (metrics.horizontalAdvance(rest) > width && rest.size() > 1) {
            const qsizetype fit = FittingLength(rest, metrics, width);
            qsizetype cut = PathBreak(rest, fit);
            if (cut == 0) cut = PhraseBreak(rest, fit);
            if (cut == 0) cut = fit;
            while (cut > 0 && !CanBreakBefore(rest, cut)) --cut;
            if (cut == 0) cut = fit;
            out << rest.left(cut);
            rest = rest.mid(cut);
        }
        out << rest;
    }
    return out.join(QLatin1Char('\n'));
}

bool FittedMessageBox::event(QEvent* event) {
    const bool handled = QMessageBox::event(event);
    if (event->type() == QEvent::LayoutRequest) Fit();
    return handled;
}

void FittedMessageBox::showEvent(QShowEvent* event) {
    QMessageBox::showEvent(event);
    Fit();
    // The dialog was placed for the size QMessageBox gave it: again, for this one.
    if (!event->spontaneous()) adjustPosition(parentWidget());
}

int FittedMessageBox::WidestBox() const {
    const QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!shown) return QWIDGETSIZE_MAX;
    int frame = std::max(kLeastFrame, frameGeometry().width() - geometry().width());
    if (const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr; owner && owner->isVisible())
        frame = std::max(frame, owner->frameGeometry().width() - owner->geometry().width());
    return shown->availableGeometry().width() - frame;
}

void FittedMessageBox::Fit() {
    auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label) return;
    // QMessageBox widens itself for its title: that width stays, within the screen.
    const int widest = WidestBox();
    const int titled = std::min(width(), widest);
    // Set again only when changed: each new text is laid out anew.
    if (label->wordWrap()) label->setWordWrap(false);
    if (label->text() != text_) label->setText(text_);
    layout()->activate();
    QSize whole = layout()->totalMinimumSize();
    if (whole.width() > widest) {
        // The room the text leaves for itself beside the icon and margins.
        const QFontMetrics metrics(label->font());
        int widestLine = 0;
        for (const QString& line : text_.split(QLatin1Char('\n')))
            widestLine = std::max(widestLine, metrics.horizontalAdvance(line));
        const int room = widest - (whole.width() - widestLine) - metrics.averageCharWidth();
        label->setText(BreakLines(text_, metrics, std::max(room, metrics.averageCharWidth())));
        layout()->activate();
        whole = layout()->totalMinimumSize();
    }
    setFixedSize(std::min(std::max(whole.width(), titled), widest), whole.height());
    // Laying the text out again asked for a new layout, which would wrap it
    // once more.
    QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
}

}  // namespace isobra
