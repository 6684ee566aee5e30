#include "app/CanvasView.h"

#include <QMouseEvent>
#include <QPainter>

#include "widgets/QImageCanvas.h"

namespace isobra {

CanvasView::CanvasView(QImageCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    setObjectName(QStringLiteral("Picture1"));
    setFixedSize(canvas.width(), canvas.height());
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&canvas_, &QImageCanvas::changed, this, qOverload<>(&QWidget::update));
}

void CanvasView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // On a high-DPI screen the painter scales the image; the drawing itself
    // stays at one canvas pixel per logical pixel.
    p.drawImage(QPoint(0, 0), canvas_.Composite());
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    emit pressed(event->button(), event->modifiers(), static_cast<float>(pos.x()), static_cast<float>(pos.y()));
}

}  // namespace isobra
