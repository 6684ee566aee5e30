#pragma once

#include <QMessageBox>
#include <QString>

class QFontMetrics;

namespace isobra {

// A message box that keeps the lines of its text whole (the help pages are
// laid out line by line) as long as the box stays within the screen: never
// wider than the screen's free width less the window frame. A line too long
// for that is broken, a path after one of its "/", so that the box and its
// OK button stay on the screen.
//
// QMessageBox wraps any text wider than half the screen or 500 pixels,
// whichever is less; each time it has sized itself (as it is shown, on a
// layout request) the text is laid out again here.
class FittedMessageBox : public QMessageBox {
public:
    FittedMessageBox(Icon icon, const QString& title, const QString& text, StandardButtons buttons,
                     QWidget* parent = nullptr);

    // The text broken into lines no wider than `width` pixels in `metrics`.
    // Lines that fit stay as they are. A longer one breaks within a path
    // after its last "/" that fits; else after a "。", "、" or closing
    // bracket in the second half of what fits; else at the last place that
    // fits: after a space, or between two characters of which one is
    // Japanese, but never before a closing mark ("。", "）", ...) or after an
    // opening one; where there is no such place, at any character.
    static QString BreakLines(const QString& text, const QFontMetrics& metrics, int width);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Fit();
    // The widest the box may be, frame excluded.
    int WidestBox() const;

    QString text_;  // as given, with its own line breaks only
};

}  // namespace isobra
