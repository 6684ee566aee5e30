#include "entry/NumericEntryField.h"

#include <QFocusEvent>
#include <QScrollBar>
#include <QValidator>
#include <algorithm>

namespace isobra {

namespace {

// Printable characters outside [lowest, highest] are refused, whether typed
// or pasted; control characters (backspace, Tab, Return) pass.
class KeyRangeValidator : public QValidator {
public:
    KeyRangeValidator(QChar lowest, QChar highest, QObject* parent)
        : QValidator(parent), lowest_(lowest), highest_(highest) {}

    State validate(QString& input, int&) const override {
        for (QChar c : input)
            if (c.unicode() >= 32 && (c < lowest_ || c > highest_)) return Invalid;
        return Acceptable;
    }

private:
    QChar lowest_;
    QChar highest_;
};

// Focus that comes and goes with the whole window, or with a context menu,
// is not a move between the window's controls.
bool IsWindowSwitch(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

constexpr int kSaturation = 999'999'999;

}  // namespace

NumericEntryField::NumericEntryField(const NumericFieldSettings& settings, QScrollBar* scroll, QWidget* parent)
    : QLineEdit(parent), settings_(settings), scroll_(scroll) {
    setValidator(new KeyRangeValidator(settings.lowestKey, settings.highestKey, this));
    // The scroll control runs from -top to -bottom so that its up arrow, which
    // lowers a Qt scroll bar's value, raises the number.
    scroll_->setRange(-settings.scrollTop, -settings.scrollBottom);
    scroll_->setSingleStep(1);
    scroll_->setPageStep(1);
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int v) { setText(QString::number(-v)); });
    scroll_->installEventFilter(this);
    setText(QString::number(settings.startValue));
    setScrollValue(settings.startValue);
    remembered_ = text();
}

int NumericEntryField::scrollValue() const { return -scroll_->value(); }

void NumericEntryField::setScrollValue(int value) { scroll_->setValue(-value); }

int NumericEntryField::TextValue(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    const bool negative = i < n && text[i] == u'-';
    if (negative) ++i;
    auto isDigit = [&](qsizetype k) { return k < n && text[k] >= u'0' && text[k] <= u'9'; };

    long long whole = 0;
    bool any = false;
    for (; isDigit(i); ++i) {
        any = true;
        whole = std::min<long long>(whole * 10 + (text[i].unicode() - u'0'), kSaturation + 1LL);
    }
    // Only the first fraction digit and whether anything follows it matter
    // for rounding to the nearest whole number with halves to even; doing it
    // on the digits keeps 12.5 exactly a half.
    int firstFraction = -1;
    bool restNonZero = false;
    if (i < n && text[i] == u'.') {
        for (++i; isDigit(i); ++i) {
            any = true;
            const int d = text[i].unicode() - u'0';
            if (firstFraction < 0)
                firstFraction = d;
            else if (d != 0)
                restNonZero = true;
        }
    }
    if (!any) return 0;
    const bool up = firstFraction > 5 || (firstFraction == 5 && (restNonZero || whole % 2 == 1));
    if (up) ++whole;
    whole = std::min<long long>(whole, kSaturation);
    return static_cast<int>(negative ? -whole : whole);
}

QString NumericEntryField::ExpandShortPressure(const QString& text) {
    if (text.size() == 1) return QStringLiteral("100") + text;
    if (text.size() == 2) return (TextValue(text) > 80 ? QStringLiteral("9") : QStringLiteral("10")) + text;
    return text;
}

void NumericEntryField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // The window came back to the front: a field the user is typing in stays
    // exactly as it was. The focus a window just shown gives its first field
    // is entering it, like any other.
    if (IsWindowSwitch(event->reason()) && entered_) return;
    remembered_ = text();
    entered_ = true;
    clear();
}

void NumericEntryField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (IsWindowSwitch(event->reason())) return;
    entered_ = false;
    Commit();
}

void NumericEntryField::hideEvent(QHideEvent* event) {
    QLineEdit::hideEvent(event);
    // The window was put away ("もどる", the close box), not minimised: the
    // field is left, and is entered afresh when the window is shown again.
    if (event->spontaneous() || !entered_) return;
    entered_ = false;
    Commit();
}

bool NumericEntryField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scroll_ && event->type() == QEvent::MouseButtonPress && isEnabled()) {
        if (!hasFocus())
            setFocus(Qt::MouseFocusReason);
        else if (entered_)
            Commit();
    }
    return QLineEdit::eventFilter(watched, event);
}

void NumericEntryField::Commit() {
    if (text().isEmpty()) setText(remembered_);
    if (settings_.pressureShortForms) {
        const QString expanded = ExpandShortPressure(text());
        if (expanded != text()) setText(expanded);
    }
    int v = TextValue(text());
    if (v > settings_.clampHigh) {
        v = settings_.clampHigh;
        setText(QString::number(v));
    }
    if (v < settings_.clampLow) {
        v = settings_.clampLow;
        setText(QString::number(v));
    }
    if (scrollValue() != v) setScrollValue(v);
    // A value the scroll control cannot take keeps its text.
    if (scrollValue() != v) setText(QString::number(v));
}

}  // namespace isobra
