#pragma once

#include <QColor>
#include <QPointF>
#include <map>
#include <string>
#include <utility>
#include <vector>

class QGlyphRun;
class QImage;
class QString;

namespace isobra {

// A one-page PDF written straight from shapes, without a painter: the page's
// user space is the canvas's, y downwards, one unit a point. Texts stay
// texts: their glyphs are outlines in Type 3 fonts with a ToUnicode map, so
// a reader finds and copies them; each glyph's outline is made once a
// process and then copied into every page that uses it.
class PdfPage {
public:
    PdfPage(int width, int height);

    void StrokeColour(const QColor& colour);
    void FillColour(const QColor& colour);
    void FillRect(double x, double y, double width, double height);
    // A stroked polyline through `points`, `count` of them (at least two).
    void Polyline(const QPointF* points, std::size_t count);
    // A stroked arc of the circle round `centre`, from `start` through `span`
    // radians, counterclockwise as the page shows it; a whole turn is a
    // circle.
    void Arc(QPointF centre, double radius, double start, double span);
    // An image stretched over the rectangle; alpha becomes a soft mask.
    void Image(const QImage& image, double x, double y, double width, double height);
    // The glyphs of a laid-out text, their baseline points moved by `offset`,
    // filled in the fill colour; `text` is what they were laid out from.
    void Glyphs(const QGlyphRun& run, QPointF offset, const QString& text);

    // The whole file.
    std::string Finish(const std::string& title) const;

private:
    struct Font {
        std::vector<std::size_t> glyphs;  // into the process's glyph table; code = position + 1
    };
    void Number(double value);
    void Point(double x, double y);
    // The font and character code of a glyph on this page.
    std::pair<int, int> CodeOf(std::size_t glyph);

    int width_;
    int height_;
    std::string content_;
    struct PageImage {
        std::string colours;  // the image object, still without its mask's number
        std::string mask;     // the soft mask's object, or nothing
    };
    std::vector<PageImage> images_;
    std::vector<Font> fonts_;
    std::map<std::size_t, std::pair<int, int>> codes_;
    QColor stroke_;
    QColor fill_;
    int textFont_ = -1;
};

}  // namespace isobra
