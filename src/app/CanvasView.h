#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

namespace isobra {

class QImageCanvas;

// The widget that shows the canvas (control name Picture1) and reports mouse
// presses in canvas pixels. The canvas keeps the drawing, so exposure and
// resizing never lose it. The view shows the canvas at a fixed scale (the
// widget as large as the scaled canvas) or fitted into whatever room the
// widget is given, proportions kept. At full size and larger every canvas
// pixel becomes a sharp block of screen pixels; smaller, the canvas is
// scaled down smoothly, each screen pixel the average of those it covers.
class CanvasView : public QWidget {
    Q_OBJECT

public:
    // The workspace grey beside the image, and around the view.
    static inline const QColor kWorkspace{171, 171, 171};

    CanvasView(QImageCanvas& canvas, QWidget* parent = nullptr);

    void SetScale(double scale);
    void SetFitting();
    // Screen (logical) pixels per canvas pixel, as shown now.
    double scale() const;
    // Where the canvas image lies in the widget.
    QRectF ImageRect() const;
    // The canvas pixel under a point of the widget; nothing off the image.
    std::optional<QPoint> CanvasPixelAt(const QPointF& pos) const;

signals:
    // x and y: the canvas pixel pressed, the same at every scale.
    void pressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, float x, float y);
    // The pointer moved over the image, to canvas position (x, y) in the
    // projection's units (state/PointerReadout.h); and it left the image.
    void hovered(double x, double y);
    void leftImage();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QImageCanvas& canvas_;
    double scale_ = 1.0;
    bool fitting_ = false;
};

}  // namespace isobra
