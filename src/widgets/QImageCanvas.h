#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QObject>
#include <QPoint>

#include "canvas/MapCanvas.h"
#include "canvas/Raster.h"
#include "canvas/RecordingCanvas.h"

class QPainter;

namespace isobra {

// The map canvas on QImages, in three layers: the background colour, the
// background picture (unscaled, at the top left) and the drawing. Clearing
// empties the drawing only; ReadPixel reads what the user sees. Pixels are
// lit by the core's raster rules, one pixel wide and never antialiased, so a
// drawing is the same here, in the batch renderer and in the tests.
//
// Beside the pixels the canvas keeps its drawing calls since the last clear,
// so the same map can be drawn again as vectors (VectorReplay).
class QImageCanvas : public QObject, public MapCanvas {
    Q_OBJECT

public:
    static constexpr int kWidth = 635;
    static constexpr int kHeight = 425;

    explicit QImageCanvas(QObject* parent = nullptr, int width = kWidth, int height = kHeight);

    Colour ReadPixel(int x, int y) const override;
    void SetBackgroundColour(Colour colour) override;
    void SetForegroundColour(Colour colour) override;
    void SetBackgroundPicture(std::shared_ptr<const RgbImage> picture) override;
    Colour BackgroundColour() const override { return background_; }
    Colour ForegroundColour() const override { return foreground_; }
    std::shared_ptr<const RgbImage> BackgroundPicture() const override { return picture_; }
    CanvasArea Area() const override;

    int width() const { return drawing_.width(); }
    int height() const { return drawing_.height(); }
    // The three layers composed, as the user sees them.
    QImage Composite() const;
    const QImage& DrawingLayer() const { return drawing_; }
    // The background picture as an image (null when there is none).
    const QImage& PictureLayer() const { return pictureImage_; }
    // The drawing calls since the last clear, in order; a text carries the
    // foreground colour it was drawn in. Past kMaxRetainedCalls (a map drawn
    // over a thousand times without a clear) they are let go until the next
    // clear, and only the pixels tell what was drawn.
    static constexpr std::size_t kMaxRetainedCalls = 1'000'000;
    const std::vector<RecordingCanvas::Call>& RetainedCalls() const { return retained_.calls; }
    bool RetainedComplete() const { return retainedComplete_; }
    // The canvas font, and the small one of the figures on the isobars.
    const QFont& font() const { return font_; }
    const QFont& smallFont() const { return smallFont_; }

    // The drawing as it stands (pixels, kept calls, pen), to start later
    // drawings from, as the batch renderer starts every map from its
    // coastline. The colours and the background picture are not part of it.
    struct Snapshot {
        QImage drawing;
        std::vector<RecordingCanvas::Call> calls;
        bool complete = true;
        float penX = 0.0f;
        float penY = 0.0f;
    };
    Snapshot TakeSnapshot() const;
    // Puts the drawing back as it was taken, as if drawn again since a clear.
    void Restore(const Snapshot& snapshot);

    // Draws a canvas text as the canvas places it: its top left corner at
    // `corner`, in the canvas font of that size, in the painter's pen.
    void PaintText(QPainter& painter, QPoint corner, const std::string& text, TextSize size) const;

    static QColor ToQColor(Colour c);
    static Colour FromQColor(const QColor& c);

signals:
    void changed();

protected:
    void DoLine(float x1, float y1, float x2, float y2, Colour colour) override;
    void DoBox(float x1, float y1, float x2, float y2, Colour colour) override;
    void DoCircle(float cx, float cy, float radius, Colour colour) override;
    void DoArc(float cx, float cy, float radius, Colour colour, float start, float end) override;
    void DoClear() override;
    void DoText(float x, float y, const std::string& text, TextSize size) override;

private:
    // Whether a call is to be recorded: while the list is complete and within
    // its limit. Reaching the limit lets the list go.
    bool Retaining();

    QImage drawing_;  // ARGB32: transparent where nothing is drawn
    QImage pictureImage_;
    std::shared_ptr<const RgbImage> picture_;
    Colour background_;
    Colour foreground_;
    QFont font_;
    QFont smallFont_;
    RecordingCanvas retained_;
    bool retainedComplete_ = true;
};

}  // namespace isobra
