#include "widgets/QImageCanvas.h"

#include <QPainter>
#include <cstring>

#include "canvas/Raster.h"
#include "widgets/Fonts.h"
#include "widgets/PictureFile.h"
#include "widgets/QtText.h"

namespace isobra {

namespace {

// The core's label metrics (LabelStyle) are the glyph boxes of these sizes.
constexpr int kFontPixels = 12;
constexpr int kSmallFontPixels = 11;

// Lights pixels of an image in one colour, clipped to it. Made once a shape,
// so the image is checked for sharing once, not once a pixel.
struct Plotter {
    QRgb* pixels;
    qsizetype stride;
    int width;
    int height;
    QRgb rgb;
    Plotter(QImage& image, Colour colour)
        : pixels(reinterpret_cast<QRgb*>(image.bits())),
          stride(image.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb))),
          width(image.width()),
          height(image.height()),
          rgb(qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour))) {}
    void operator()(int x, int y) const {
        if (x >= 0 && y >= 0 && x < width && y < height) pixels[y * stride + x] = rgb;
    }
    // For the pixels of a line clipped to the image, which lie inside it.
    auto Inside() const {
        return [this](int x, int y) { pixels[y * stride + x] = rgb; };
    }
};

}  // namespace

QImageCanvas::QImageCanvas(QObject* parent, int width, int height)
    : QObject(parent),
      drawing_(width, height, QImage::Format_ARGB32),
      background_(MakeColour(255, 255, 255)),
      foreground_(MakeColour(0, 0, 0)),
      font_(GothicFont(kFontPixels)),
      smallFont_(GothicFont(kSmallFontPixels)) {
    drawing_.fill(Qt::transparent);
    retained_.SetForegroundColour(foreground_);
    // Text must be as crisp as the lines: every pixel either drawn or not.
    font_.setStyleStrategy(QFont::NoAntialias);
    smallFont_.setStyleStrategy(QFont::NoAntialias);
}

QColor QImageCanvas::ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

Colour QImageCanvas::FromQColor(const QColor& c) { return MakeColour(c.red(), c.green(), c.blue()); }

Colour QImageCanvas::ReadPixel(int x, int y) const {
    if (x >= 0 && y >= 0 && x < drawing_.width() && y < drawing_.height()) {
        const QRgb d = drawing_.pixel(x, y);
        if (qAlpha(d) != 0) return MakeColour(qRed(d), qGreen(d), qBlue(d));
    }
    if (picture_ && picture_->Contains(x, y)) return picture_->At(x, y);
    return background_;
}

CanvasArea QImageCanvas::Area() const {
    return {0.0f, 0.0f, static_cast<float>(drawing_.width() - 1), static_cast<float>(drawing_.height() - 1)};
}

QImage QImageCanvas::Composite() const {
    QImage out(drawing_.size(), QImage::Format_RGB32);
    out.fill(ToQColor(background_));
    QPainter p(&out);
    if (!pictureImage_.isNull()) p.drawImage(0, 0, pictureImage_);
    p.drawImage(0, 0, drawing_);
    p.end();
    return out;
}

void QImageCanvas::SetBackgroundColour(Colour colour) {
    background_ = colour & 0xffffffu;
    emit changed();
}

void QImageCanvas::SetForegroundColour(Colour colour) {
    foreground_ = colour & 0xffffffu;
    retained_.SetForegroundColour(foreground_);
}

void QImageCanvas::SetBackgroundPicture(std::shared_ptr<const RgbImage> picture) {
    picture_ = std::move(picture);
    pictureImage_ = QImage();
    if (picture_ && picture_->width > 0 && picture_->height > 0) {
        pictureImage_ = ToQImage(*picture_);
    }
    emit changed();
}

bool QImageCanvas::Retaining() {
    if (!retainedComplete_) return false;
    if (retained_.calls.size() >= kMaxRetainedCalls) {
        retained_.Reset();
        retained_.calls.shrink_to_fit();
        retainedComplete_ = false;
        return false;
    }
    return true;
}

void QImageCanvas::DoLine(float x1, float y1, float x2, float y2, Colour colour) {
    if (Retaining()) retained_.DrawLine(x1, y1, x2, y2, colour);
    const Plotter plot(drawing_, colour);
    RasterLine(PixelOf(x1), PixelOf(y1), PixelOf(x2), PixelOf(y2), plot.width, plot.height, plot.Inside());
    emit changed();
}

void QImageCanvas::DoBox(float x1, float y1, float x2, float y2, Colour colour) {
    if (Retaining()) retained_.DrawBox(x1, y1, x2, y2, colour);
    RasterBox(PixelOf(x1), PixelOf(y1), PixelOf(x2), PixelOf(y2), drawing_.width(), drawing_.height(),
              Plotter(drawing_, colour));
    emit changed();
}

void QImageCanvas::DoCircle(float cx, float cy, float radius, Colour colour) {
    if (Retaining()) retained_.DrawCircle(cx, cy, radius, colour);
    RasterCircle(PixelOf(cx), PixelOf(cy), radius, Plotter(drawing_, colour));
    emit changed();
}

void QImageCanvas::DoArc(float cx, float cy, float radius, Colour colour, float start, float end) {
    if (Retaining()) retained_.DrawArc(cx, cy, radius, colour, start, end);
    RasterArc(PixelOf(cx), PixelOf(cy), radius, start, end, Plotter(drawing_, colour));
    emit changed();
}

void QImageCanvas::DoClear() {
    drawing_.fill(Qt::transparent);
    retained_.Reset();
    retainedComplete_ = true;
    emit changed();
}

QImageCanvas::Snapshot QImageCanvas::TakeSnapshot() const {
    return Snapshot{drawing_.copy(), retained_.calls, retainedComplete_, penX(), penY()};
}

void QImageCanvas::Restore(const Snapshot& snapshot) {
    if (snapshot.drawing.size() == drawing_.size() && snapshot.drawing.format() == drawing_.format() &&
        snapshot.drawing.bytesPerLine() == drawing_.bytesPerLine()) {
        std::memcpy(drawing_.bits(), snapshot.drawing.constBits(), static_cast<std::size_t>(drawing_.sizeInBytes()));
    } else {
        drawing_ = snapshot.drawing.copy();
    }
    retained_.calls = snapshot.calls;
    retainedComplete_ = snapshot.complete;
    MovePen(snapshot.penX, snapshot.penY);
    emit changed();
}

void QImageCanvas::DoText(float x, float y, const std::string& text, TextSize size) {
    if (Retaining()) retained_.DrawTextAt(x, y, text, size);
    QPainter p(&drawing_);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setPen(ToQColor(foreground_));
    PaintText(p, QPoint(PixelOf(x), PixelOf(y)), text, size);
    p.end();
    emit changed();
}

void QImageCanvas::PaintText(QPainter& painter, QPoint corner, const std::string& text, TextSize size) const {
    painter.setFont(size == TextSize::Small ? smallFont_ : font_);
    // A box as far as the canvas reaches, so the text is never wrapped or cut
    // before the canvas edge.
    const QRect box(corner, QSize(drawing_.width() + 1000, drawing_.height() + 1000));
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, ToQ(text));
}

}  // namespace isobra
