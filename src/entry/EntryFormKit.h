#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include "entry/ClickableLineEdit.h"
#include "entry/EditLineList.h"
#include "entry/NumericEntryField.h"

class QLabel;
class QPushButton;
class QScrollBar;

// The pieces the three entry forms are built from. Positions are given in
// twips, as the forms were drawn (widgets/Twips.h).
namespace isobra::entry_form {

// 9 points at 96 dots per inch.
inline constexpr int kFontPixels = 12;

// Caption, background colour and a fixed client area just large enough for
// the controls already placed.
void FinishWindow(QWidget* form, const QString& caption, const QColor& background);

// A button that Return presses while it has the focus, as Space does. Buttons
// outside the Tab order still take the focus when clicked.
QPushButton* AddButton(QWidget* form, const QString& name, const QString& caption, const QRect& where,
                       bool inTabOrder = false);
QLabel* AddLabel(QWidget* form, const QString& caption, const QRect& where);
QScrollBar* AddScrollBar(QWidget* form, const QString& name, const QRect& where);
NumericEntryField* AddNumberField(QWidget* form, const QString& name, const NumericFieldSettings& settings,
                                  QScrollBar* scroll, const QRect& where, bool mincho);
EditLineList* AddList(QWidget* form, const QString& name, EditLineList::EditMode mode, const QRect& where,
                      bool inTabOrder);
void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// The date field `kansokubi` at the top left.
ClickableLineEdit* AddDateField(QWidget* form, const QColor& background, const QRect& where, bool inTabOrder);

}  // namespace isobra::entry_form
