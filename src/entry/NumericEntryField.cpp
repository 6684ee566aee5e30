#include "entry/NumericEntryField.h"

#include <QFocusEvent>
#include <QScrollBar>
#include <QValidator>

#include "model/TextFields.h"
#include "widgets/QtText.h"

namespace isobra {

namespace {

// Full-width digits, sign and point become their ASCII forms; characters
// the field does not take are refused, whether typed or pasted.
class KeyRangeValidator : public QValidator {
public:
    KeyRangeValidator(const NumberFieldRules& rules, QObject* parent) : QValidator(parent), rules_(rules) {}

    State validate(QString& input, int&) const override {
        // Each wide character is one UTF-16 unit, as its narrow form: the
        // cursor stays where it was.
        const QString narrow = ToQ(NarrowNumberText(ToUtf8(input)));
        if (narrow.size() == input.size()) input = narrow;
        for (QChar c : input)
            if (!TakesCharacter(rules_, c.unicode())) return Invalid;
        return Acceptable;
    }

private:
    NumberFieldRules rules_;
};

// Focus that comes and goes with the whole window, or with a context menu,
// is not a move between the window's controls.
bool IsWindowSwitch(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

NumericEntryField::NumericEntryField(const NumberFieldRules& rules, QScrollBar* scroll, QWidget* parent)
    : QLineEdit(parent), rules_(rules), scroll_(scroll) {
    setValidator(new KeyRangeValidator(rules, this));
    // The scroll control runs from -top to -bottom so that its up arrow, which
    // lowers a Qt scroll bar's value, raises the number.
    scroll_->setRange(-rules.scrollTop, -rules.scrollBottom);
    scroll_->setSingleStep(1);
    scroll_->setPageStep(1);
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int v) { setText(QString::number(-v)); });
    scroll_->installEventFilter(this);
    setText(QString::number(rules.startValue));
    setScrollValue(rules.startValue);
    remembered_ = text();
}

int NumericEntryField::scrollValue() const { return -scroll_->value(); }

void NumericEntryField::setScrollValue(int value) { scroll_->setValue(-value); }

int NumericEntryField::value() const { return TypedNumberValue(ToUtf8(text())); }

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
    const LeftNumber left = LeaveNumberField(rules_, ToUtf8(text()), ToUtf8(remembered_));
    const QString shown = ToQ(left.text);
    if (shown != text()) setText(shown);
    if (scrollValue() != left.value) setScrollValue(left.value);
    // A value the scroll control cannot take keeps its text.
    if (scrollValue() != left.value) setText(QString::number(left.value));
}

}  // namespace isobra
