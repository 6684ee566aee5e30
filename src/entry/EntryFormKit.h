#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <initializer_list>
#include <span>
#include <string_view>

#include "entry/ClickableLineEdit.h"
#include "entry/EditLineList.h"
#include "entry/NumericEntryField.h"
#include "model/ReportRules.h"

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
struct LabelPlace {
    QString caption;
    QRect where;
};
void AddLabels(QWidget* form, std::initializer_list<LabelPlace> labels);
// A label that tests and handlers find by its name.
QLabel* AddNamedLabel(QWidget* form, const QString& name, const QString& caption, const QRect& where);
// A number field with its scroll control beside it, named after the field
// ("Hokui" and "HokuiVS"); the rules are ReportRules.h's kLatitudeField and
// its kind.
NumericEntryField* AddNumberField(QWidget* form, const QString& name, const NumberFieldRules& rules, const QRect& where,
                                  const QRect& scrollWhere, bool mincho);

// A pick list of these texts with row `selected` chosen.
void FillItems(EditLineList* list, std::span<const std::string_view> texts, int selected);
// The direction list with "南南西" selected, the weather list with "快晴".
void FillDirections(EditLineList* list);
void FillWeathers(EditLineList* list);
EditLineList* AddList(QWidget* form, const QString& name, EditLineList::EditMode mode, const QRect& where,
                      bool inTabOrder);
void SetColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour);

// The date field `kansokubi` at the top left.
ClickableLineEdit* AddDateField(QWidget* form, const QColor& background, const QRect& where, bool inTabOrder);

}  // namespace isobra::entry_form
