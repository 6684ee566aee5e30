#include "widgets/VectorReplay.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <deque>
#include <numbers>
#include <optional>
#include <unordered_map>

#include "canvas/Raster.h"
#include "widgets/PdfPage.h"
#include "widgets/QImageCanvas.h"

namespace isobra {

namespace {

QPoint PixelPoint(float x, float y) { return {PixelOf(x), PixelOf(y)}; }

// The centre of a pixel, where lines through it run.
QPointF Centre(const QPoint& p) { return {p.x() + 0.5, p.y() + 0.5}; }

QRectF PixelSquare(const QPoint& p) { return {QPointF(p), QSizeF(1.0, 1.0)}; }

QPen LinePen(Colour colour) {
    // One canvas pixel wide whatever the scale; square caps cover the end
    // pixels as the pixel line lights them.
    QPen pen(QBrush(QImageCanvas::ToQColor(colour)), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(false);
    return pen;
}

std::uint64_t KeyOf(const QPoint& p) {
    return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(p.x())) << 32) | static_cast<std::uint32_t>(p.y());
}

// The text without what an SVG or a PDF cannot carry and the canvas draws
// as nothing anyway: control characters other than tab and line ends, and
// the non-characters U+FFFE and U+FFFF (read from a file, a text may hold
// any of them). They are taken out of the decoded characters, not out of
// the bytes: bytes taken out could join their neighbours into one.
QString Printable(const std::string& utf8) {
    QString text = QString::fromStdString(utf8);
    text.removeIf([](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r') || u == 0xfffe || u == 0xffff;
    });
    return text;
}

// The pixels a box call fills, its corners in either order.
QRect BoxOf(const RecordingCanvas::Call& call) {
    const QPoint a = PixelPoint(call.x1, call.y1);
    const QPoint b = PixelPoint(call.x2, call.y2);
    return {QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
            QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))};
}

// What a circle or arc call draws: a radius within the largest (below half
// a pixel, the centre pixel alone), from `start` through `span` radians,
// both normalised; a circle is a whole turn.
struct DrawnArc {
    double radius;
    bool whole;
    double start;
    double span;
};
// None for a radius below zero or no number at all.
std::optional<DrawnArc> ArcOf(const RecordingCanvas::Call& call) {
    const double radius = std::min(static_cast<double>(call.x2), kLargestRadius);
    if (!(radius >= 0.0)) return std::nullopt;
    if (call.op == RecordingCanvas::Op::Circle || IsFullTurn(call.start, call.end))
        return DrawnArc{radius, true, 0.0, 2 * std::numbers::pi};
    return DrawnArc{radius, false, NormaliseAngle(call.start),
                    NormaliseAngle(static_cast<double>(call.end) - call.start)};
}

// A text laid out as the painter lays out a text drawn into a box from its
// top left corner, without wrapping: a line break starts a line, a return
// or a tab is a space, and each line starts on a whole pixel.
void PdfText(PdfPage& page, const QFont& font, QPointF corner, QString text) {
    for (QChar& c : text) {
        if (c == u'\r' || c == u'\t')
            c = u' ';
        else if (c == u'\n')
            c = QChar::LineSeparator;
    }
    if (text.isEmpty()) return;
    QTextLayout layout(text, font);
    layout.setCacheEnabled(true);
    const qreal leading = QFontMetricsF(font).leading();
    qreal height = -leading;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(0x01000000);
        height = std::ceil(height + leading);
        line.setPosition(QPointF(0, height));
        height += line.ascent() + line.descent();
    }
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) page.Glyphs(run, corner, text);
}

Result<std::string> Finish(QPainter& painter, QByteArray& bytes, const char* what) {
    if (!painter.end() || bytes.isEmpty()) return Result<std::string>::Fail(std::string(what) + " を作れませんでした");
    return bytes.toStdString();
}

}  // namespace

VectorReplay::VectorReplay(const QImageCanvas& canvas) : canvas_(canvas) {}

std::vector<VectorReplay::Run> VectorReplay::JoinSegments(const std::vector<std::pair<QPoint, QPoint>>& segments) {
    // The segments at each end point; used ones are dropped as they are met.
    std::unordered_map<std::uint64_t, std::vector<std::size_t>> atPoint;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        atPoint[KeyOf(segments[i].first)].push_back(i);
        if (segments[i].second != segments[i].first) atPoint[KeyOf(segments[i].second)].push_back(i);
    }
    std::vector<bool> used(segments.size(), false);
    auto takeAt = [&](const QPoint& p) -> std::optional<QPoint> {
        std::vector<std::size_t>& list = atPoint[KeyOf(p)];
        while (!list.empty()) {
            const std::size_t i = list.back();
            list.pop_back();
            if (used[i]) continue;
            used[i] = true;
            return segments[i].first == p ? segments[i].second : segments[i].first;
        }
        return std::nullopt;
    };

    std::vector<Run> runs;
    for (std::size_t i = 0; i < segments.size(); ++i) {
        if (used[i]) continue;
        used[i] = true;
        std::deque<QPoint> run{segments[i].first, segments[i].second};
        while (const auto next = takeAt(run.back())) run.push_back(*next);
        while (const auto next = takeAt(run.front())) run.push_front(*next);
        Run out;
        for (const QPoint& p : run)
            if (out.empty() || out.back() != p) out.push_back(p);
        runs.push_back(std::move(out));
    }
    return runs;
}

void VectorReplay::Paint(QPainter& painter, const QRect& source, const QRectF& target) const {
    if (source.isEmpty() || target.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.translate(target.topLeft());
    painter.scale(target.width() / source.width(), target.height() / source.height());
    painter.translate(-QPointF(source.topLeft()));
    painter.setClipRect(QRectF(source));
    painter.fillRect(QRectF(source), QImageCanvas::ToQColor(canvas_.BackgroundColour()));
    const QImage& picture = canvas_.PictureLayer();
    if (const QRect shown = picture.rect() & source; !shown.isEmpty())
        painter.drawImage(QRectF(shown), picture, QRectF(shown));

    if (!canvas_.RetainedComplete()) {
        // The calls were let go: the drawing's pixels, sharp, stand in for them.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRectF(source), canvas_.DrawingLayer(), QRectF(source));
        painter.restore();
        return;
    }
    const std::vector<Call>& calls = canvas_.RetainedCalls();
    for (auto it = calls.begin(); it != calls.end();) {
        if (it->op != RecordingCanvas::Op::Line) {
            PaintCall(painter, *it++);
            continue;
        }
        // Lines of one colour in a row may be drawn in any order: the
        // picture is the same, so they are joined wherever they meet.
        auto end = std::find_if(it, calls.end(), [&](const Call& c) {
            return c.op != RecordingCanvas::Op::Line || c.colour != it->colour;
        });
        PaintLines(painter, it, end);
        it = end;
    }
    painter.restore();
}

void VectorReplay::PaintLines(QPainter& painter, std::vector<Call>::const_iterator from,
                              std::vector<Call>::const_iterator to) const {
    std::vector<std::pair<QPoint, QPoint>> segments;
    segments.reserve(static_cast<std::size_t>(to - from));
    for (auto it = from; it != to; ++it) segments.emplace_back(PixelPoint(it->x1, it->y1), PixelPoint(it->x2, it->y2));
    const QColor colour = QImageCanvas::ToQColor(from->colour);
    painter.setPen(LinePen(from->colour));
    painter.setBrush(Qt::NoBrush);
    for (const Run& run : JoinSegments(segments)) {
        if (run.size() == 1) {
            painter.fillRect(PixelSquare(run.front()), colour);
            continue;
        }
        QPolygonF line;
        line.reserve(static_cast<qsizetype>(run.size()));
        for (const QPoint& p : run) line << Centre(p);
        painter.drawPolyline(line);
    }
}

void VectorReplay::PaintCall(QPainter& painter, const Call& call) const {
    const QColor colour = QImageCanvas::ToQColor(call.colour);
    const QPoint corner = PixelPoint(call.x1, call.y1);
    switch (call.op) {
        case RecordingCanvas::Op::Box: {
            const QRect box = BoxOf(call);
            painter.fillRect(QRectF(box.topLeft(), QSizeF(box.width(), box.height())), colour);
            break;
        }
        case RecordingCanvas::Op::Circle:
        case RecordingCanvas::Op::Arc: {
            const std::optional<DrawnArc> arc = ArcOf(call);
            if (!arc) break;
            if (arc->radius < 0.5) {  // the centre pixel alone
                painter.fillRect(PixelSquare(corner), colour);
                break;
            }
            painter.setPen(LinePen(call.colour));
            painter.setBrush(Qt::NoBrush);
            const QPointF centre = Centre(corner);
            const double r = arc->radius;
            if (arc->whole) {
                painter.drawEllipse(centre, r, r);
                break;
            }
            const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
            const double start = arc->start * 180.0 / std::numbers::pi;
            QPainterPath path;
            path.arcMoveTo(box, start);
            path.arcTo(box, start, arc->span * 180.0 / std::numbers::pi);
            painter.drawPath(path);
            break;
        }
        case RecordingCanvas::Op::Text: {
            painter.setPen(colour);
            canvas_.PaintText(painter, corner, Printable(call.text).toStdString(), call.size);
            break;
        }
        case RecordingCanvas::Op::Line:
        case RecordingCanvas::Op::Clear:
            break;  // lines go in runs; a clear empties the list
    }
}

Result<std::string> VectorReplay::Svg(const QRect& source) const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(96);
    svg.setSize(source.size());
    svg.setViewBox(QRect(QPoint(0, 0), source.size()));
    svg.setTitle(QStringLiteral("Isobra"));
    QPainter painter;
    if (!painter.begin(&svg)) return Result<std::string>::Fail("SVG を作れませんでした");
    Paint(painter, source, QRectF(0, 0, source.width(), source.height()));
    return Finish(painter, bytes, "SVG");
}

Result<std::string> VectorReplay::Pdf(const QRect& source) const {
    if (source.isEmpty()) return Result<std::string>::Fail("PDF を作れませんでした");
    // A canvas pixel is a point on the page: page sizes are whole points, so
    // the page keeps the canvas's proportions exactly.
    PdfPage page(source.width(), source.height());
    const QPointF shift(-source.x(), -source.y());
    page.FillColour(QImageCanvas::ToQColor(canvas_.BackgroundColour()));
    page.FillRect(0, 0, source.width(), source.height());
    const QImage& picture = canvas_.PictureLayer();
    if (const QRect shown = picture.rect() & source; !shown.isEmpty())
        page.Image(picture.copy(shown), shown.x() + shift.x(), shown.y() + shift.y(), shown.width(), shown.height());

    if (!canvas_.RetainedComplete()) {
        // The calls were let go: the drawing's pixels, sharp, stand in for them.
        page.Image(canvas_.DrawingLayer().copy(source), 0, 0, source.width(), source.height());
        return page.Finish("Isobra");
    }
    const std::vector<Call>& calls = canvas_.RetainedCalls();
    for (auto it = calls.begin(); it != calls.end();) {
        if (it->op != RecordingCanvas::Op::Line) {
            PdfCall(page, *it++, shift);
            continue;
        }
        auto end = std::find_if(it, calls.end(), [&](const Call& c) {
            return c.op != RecordingCanvas::Op::Line || c.colour != it->colour;
        });
        PdfLines(page, it, end, shift);
        it = end;
    }
    return page.Finish("Isobra");
}

void VectorReplay::PdfLines(PdfPage& page, std::vector<Call>::const_iterator from, std::vector<Call>::const_iterator to,
                            QPointF shift) const {
    std::vector<std::pair<QPoint, QPoint>> segments;
    segments.reserve(static_cast<std::size_t>(to - from));
    for (auto it = from; it != to; ++it) segments.emplace_back(PixelPoint(it->x1, it->y1), PixelPoint(it->x2, it->y2));
    const QColor colour = QImageCanvas::ToQColor(from->colour);
    page.StrokeColour(colour);
    std::vector<QPointF> line;
    for (const Run& run : JoinSegments(segments)) {
        if (run.size() == 1) {
            page.FillColour(colour);
            page.FillRect(run.front().x() + shift.x(), run.front().y() + shift.y(), 1, 1);
            continue;
        }
        line.clear();
        for (const QPoint& p : run) line.push_back(Centre(p) + shift);
        page.Polyline(line.data(), line.size());
    }
}

void VectorReplay::PdfCall(PdfPage& page, const Call& call, QPointF shift) const {
    const QColor colour = QImageCanvas::ToQColor(call.colour);
    const QPoint corner = PixelPoint(call.x1, call.y1);
    switch (call.op) {
        case RecordingCanvas::Op::Box: {
            const QRect box = BoxOf(call);
            page.FillColour(colour);
            page.FillRect(box.x() + shift.x(), box.y() + shift.y(), box.width(), box.height());
            break;
        }
        case RecordingCanvas::Op::Circle:
        case RecordingCanvas::Op::Arc: {
            const std::optional<DrawnArc> arc = ArcOf(call);
            if (!arc) break;
            if (arc->radius < 0.5) {  // the centre pixel alone
                page.FillColour(colour);
                page.FillRect(corner.x() + shift.x(), corner.y() + shift.y(), 1, 1);
                break;
            }
            page.StrokeColour(colour);
            page.Arc(Centre(corner) + shift, arc->radius, arc->start, arc->span);
            break;
        }
        case RecordingCanvas::Op::Text: {
            page.FillColour(colour);
            PdfText(page, call.size == TextSize::Small ? canvas_.smallFont() : canvas_.font(), QPointF(corner) + shift,
                    Printable(call.text));
            break;
        }
        case RecordingCanvas::Op::Line:
        case RecordingCanvas::Op::Clear:
            break;  // lines go in runs; a clear empties the list
    }
}

}  // namespace isobra
