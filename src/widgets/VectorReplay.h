#pragma once

#include <QRect>
#include <string>
#include <vector>

#include "canvas/RecordingCanvas.h"
#include "model/Result.h"

class QPainter;

namespace isobra {

class PdfPage;
class QImageCanvas;

// What a canvas shows, drawn again from its retained calls: the ground
// colour, the background picture as an image under everything, then the
// drawing as shapes and texts. Lines are one canvas pixel wide at whatever
// scale the painter draws (never hairlines, which vanish on a fine printer),
// and lines of one colour drawn one after another are joined into polylines
// where they share end points. Coordinates are those of the pixels the
// canvas lit: a line runs through pixel centres, so the picture lies exactly
// over the pixels at any scale. The window's export, the print and the batch
// tool all draw through here. A canvas that let its calls go (far too many
// since the last clear) gives its drawing's pixels instead.
class VectorReplay {
public:
    explicit VectorReplay(const QImageCanvas& canvas);

    // The area `source` of the canvas (canvas pixels) drawn into `target` of
    // the painter's coordinates, stretched to fill it.
    void Paint(QPainter& painter, const QRect& source, const QRectF& target) const;
    // The area `source` as an SVG document, one canvas pixel one user unit.
    Result<std::string> Svg(const QRect& source) const;
    // The area `source` as a one-page PDF of the same proportions, a canvas
    // pixel one point. Failures are reason phrases ("PDF を作れませんでした").
    Result<std::string> Pdf(const QRect& source) const;
    // A polyline in pixel coordinates; one point for a lone pixel.
    using Run = std::vector<QPoint>;
    // Segments of one colour joined where they share end points: every
    // segment is in exactly one run, and a run's neighbouring points are the
    // ends of one segment.
    static std::vector<Run> JoinSegments(const std::vector<std::pair<QPoint, QPoint>>& segments);

private:
    using Call = RecordingCanvas::Call;
    void PaintLines(QPainter& painter, std::vector<Call>::const_iterator from,
                    std::vector<Call>::const_iterator to) const;
    void PaintCall(QPainter& painter, const Call& call) const;
    void PdfLines(PdfPage& page, std::vector<Call>::const_iterator from, std::vector<Call>::const_iterator to,
                  QPointF shift) const;
    void PdfCall(PdfPage& page, const Call& call, QPointF shift) const;

    const QImageCanvas& canvas_;
};

}  // namespace isobra
