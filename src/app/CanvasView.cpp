#include "app/CanvasView.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "state/PointerReadout.h"
#include "widgets/QImageCanvas.h"

namespace isobra {

CanvasView::CanvasView(QImageCanvas& canvas, QWidget* parent) : QWidget(parent), canvas_(canvas) {
    setObjectName(QStringLiteral("Picture1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);  // for the status line under the map
    SetScale(1.0);
    connect(&canvas_, &QImageCanvas::changed, this, qOverload<>(&QWidget::update));
}

void CanvasView::SetScale(double scale) {
    fitting_ = false;
    scale_ = scale;
    setFixedSize(static_cast<int>(std::ceil(canvas_.width() * scale)),
                 static_cast<int>(std::ceil(canvas_.height() * scale)));
    update();
}

void CanvasView::SetFitting() {
    fitting_ = true;
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    update();
}

double CanvasView::scale() const {
    if (!fitting_) return scale_;
    return std::min(static_cast<double>(width()) / canvas_.width(), static_cast<double>(height()) / canvas_.height());
}

QRectF CanvasView::ImageRect() const {
    const double s = scale();
    return QRectF(0, 0, canvas_.width() * s, canvas_.height() * s);
}

std::optional<QPoint> CanvasView::CanvasPixelAt(const QPointF& pos) const {
    const double s = scale();
    if (!(s > 0.0)) return std::nullopt;
    const double x = std::floor(pos.x() / s);
    const double y = std::floor(pos.y() / s);
    if (x < 0 || y < 0 || x >= canvas_.width() || y >= canvas_.height()) return std::nullopt;
    return QPoint(static_cast<int>(x), static_cast<int>(y));
}

void CanvasView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRectF image = ImageRect();
    p.fillRect(rect(), kWorkspace);
    const QImage composite = canvas_.Composite();
    // Smaller than the canvas, every screen pixel takes the average of the
    // canvas pixels it covers: thin lines stay whole, only fainter. Dropping
    // pixel rows instead would break isobars into dashes.
    const QSize device = (image.size() * devicePixelRatioF()).toSize();
    if (device.width() < composite.width() || device.height() < composite.height()) {
        if (device.isEmpty()) return;
        p.drawImage(image, composite.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        return;
    }
    // Nearest neighbour: a canvas pixel stays a sharp block at any larger
    // scale and on a high-DPI screen, where the painter scales once more.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(image, composite);
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
    const std::optional<QPoint> pixel = CanvasPixelAt(event->position());
    if (!pixel) return;  // beside the image: nothing
    emit pressed(event->button(), event->modifiers(), static_cast<float>(pixel->x()), static_cast<float>(pixel->y()));
}

void CanvasView::mouseMoveEvent(QMouseEvent* event) {
    QWidget::mouseMoveEvent(event);
    if (!CanvasPixelAt(event->position())) {
        emit leftImage();
        return;
    }
    const MapPoint at = MapPointUnder(event->position().x(), event->position().y(), scale());
    emit hovered(at.x, at.y);
}

void CanvasView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit leftImage();
}

}  // namespace isobra
