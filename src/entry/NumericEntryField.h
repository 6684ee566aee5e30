#pragma once

#include <QLineEdit>
#include <QString>

class QScrollBar;

namespace isobra {

// How one number field behaves: which keys it takes, where it starts, the
// range its value is clamped to when the field is left and the range of its
// scroll control (top = the larger value, so the up arrow increases it).
struct NumericFieldSettings {
    QChar lowestKey = u'0';
    QChar highestKey = u'9';
    int startValue = 0;
    int clampLow = 0;
    int clampHigh = 0;
    int scrollTop = 0;
    int scrollBottom = 0;
    bool pressureShortForms = false;  // "8" -> "1008", "96" -> "996"
};

// A number text field coupled both ways with a vertical scroll control.
//
// Entering the field (Tab, Shift+Tab, a click, the focus a window gives its
// first field as it is shown) remembers its text and empties it, so a new
// value can be typed at once. Leaving it (or hiding the window) puts the
// remembered text back if nothing was typed, expands the broadcast's short
// pressures, clamps the value and moves the scroll control to it. Activating
// or deactivating a window that stays shown is not entering or leaving:
// switching to the map and back keeps a half-typed value as it is.
//
// A click on the scroll control brings the keyboard focus to the field; when
// the field had it already, a value being typed is taken first, so the
// control moves on from it.
class NumericEntryField : public QLineEdit {
    Q_OBJECT

public:
    // The scroll control is the form's own widget (it has its own name and
    // place); the field sets its range and steps.
    NumericEntryField(const NumericFieldSettings& settings, QScrollBar* scroll, QWidget* parent = nullptr);

    // The value of the text as it stands, rounded to a whole number.
    int value() const { return TextValue(text()); }
    // The remembered text: what the field held when it was last entered.
    const QString& rememberedText() const { return remembered_; }

    int scrollValue() const;
    void setScrollValue(int value);

    // The longest leading decimal number ("-", digits, "." and digits) rounded
    // to the nearest whole number, halves to even; 0 when the text does not
    // begin with a number. Beyond +-999,999,999 the value saturates, so a long
    // digit string is clamped like any other out-of-range value.
    static int TextValue(const QString& text);
    // "8" -> "1008", "96" -> "996", "80" -> "1080"; 3 or more characters stay.
    static QString ExpandShortPressure(const QString& text);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Commit();

    NumericFieldSettings settings_;
    QScrollBar* scroll_;
    QString remembered_;
    bool entered_ = false;  // entered and not yet left
};

}  // namespace isobra
