#pragma once

#include <QLineEdit>
#include <QString>

#include "model/ReportRules.h"

class QScrollBar;

namespace isobra {

// A number text field coupled both ways with a vertical scroll control.
//
// Entering the field (Tab, Shift+Tab, a click, the focus a window gives its
// first field as it is shown) remembers its text and empties it, so a new
// value can be typed at once. Leaving it (or hiding the window) puts the
// remembered text back if nothing was typed, expands the broadcast's short
// pressures, clamps the value (LeaveNumberField) and moves the scroll control
// to it. Activating
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
    NumericEntryField(const NumberFieldRules& rules, QScrollBar* scroll, QWidget* parent = nullptr);

    // The value of the text as it stands (TypedNumberValue).
    int value() const;
    // The remembered text: what the field held when it was last entered.
    const QString& rememberedText() const { return remembered_; }

    int scrollValue() const;
    void setScrollValue(int value);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Commit();

    NumberFieldRules rules_;
    QScrollBar* scroll_;
    QString remembered_;
    bool entered_ = false;  // entered and not yet left
};

}  // namespace isobra
