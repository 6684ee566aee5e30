#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

#include "entry/ClickableLineEdit.h"
#include "entry/EditLineList.h"
#include "entry/NumericEntryField.h"

class QLabel;
class QPushButton;
class QScrollBar;

// The pieces the three entry forms are built from. Positions are given in
// twips, as the forms were drawn, at 15 twips per pixel.
namespace isobra::entry_form {

inline constexpr int kTwipsPerPixel = 15;
// 9 points at 96 dots per inch.
inline constexpr int kFontPixels = 12;

QRect Twips(int left, int top, int width, int height);

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

// Help texts: every line followed by CR LF, with one more empty line after
// the twelfth.
QString HelpText(const QStringList& lines);

inline QString ToQ(const std::string& utf8) { return QString::fromStdString(utf8); }
inline std::string ToUtf8(const QString& text) { return text.toStdString(); }

// Shown when a 102nd ship or fishery row is entered.
QString FullListMessage();

}  // namespace isobra::entry_form
