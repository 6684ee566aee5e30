#pragma once

#include <QWidget>

namespace isobra {

class QImageCanvas;

// The widget that shows the canvas (control name Picture1) and reports mouse
// presses in canvas pixels. The canvas keeps the drawing, so exposure and
// resizing never lose it.
class CanvasView : public QWidget {
    Q_OBJECT

public:
    CanvasView(QImageCanvas& canvas, QWidget* parent = nullptr);

signals:
    // x and y in canvas pixels, fractional where the screen is finer.
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImageCanvas& canvas_;
};

}  // namespace isobra
