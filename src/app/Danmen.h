#pragma once

#include <QWidget>

#include "state/MouseMode.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace isobra {

class MapCanvas;

// The cloud cross-section window "断面図": chooses whether a click on the map
// draws the east-west or the north-south brightness chart, and clears it.
// The clicks themselves reach the chart through the map's dispatch.
// Opening it clears the drawing and starts the east-west mode; closing it by
// any means ends a cross-section mode (a correction mode is not its to end),
// clears the drawing and destroys the window. The satellite picture stays.
class Danmen : public QWidget {
    Q_OBJECT

public:
    Danmen(MouseMode& mode, MapCanvas& canvas, QWidget* parent = nullptr);

    // Shows the window without taking the focus from the map, in front of it.
    void ShowInFront();
    QString prompt() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* AddButton(const char* name, const QString& caption, int top);
    void ChooseDirection(MouseMode mode);

    MouseMode& mode_;
    MapCanvas& canvas_;
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace isobra
